! Gallery: shaded contours.  Left, the cell method with colours from the
! colour scale of the levels; right, the polygon method with explicit
! colours, a ring-shaped valley whose high centre is an island inside the
! hole, contour lines on top, and a colour bar of the level colours.
program shaded_contour
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('shaded_contour.ps')
    if (k == 2) call setfil('shaded_contour.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine draw_page
    integer, parameter :: n = 81, nl = 8
    real :: x(n), z(n, n), w(n, n), lev(nl), r, h, s, v, cr, cg, cb
    integer :: i, j, clr(nl), ybar

    do i = 1, n
      x(i) = real(i - 1) * 10.0 / real(n - 1)
    end do
    do j = 1, n
      do i = 1, n
        z(i, j) = sin(x(i) * 0.8) * cos(x(j) * 0.6) + 0.05 * x(i)
        r = sqrt((x(i) - 5.0)**2 + (x(j) - 5.0)**2)
        w(i, j) = (r - 3.0)**2
      end do
    end do

    call pagera
    call height(40)
    call messag('Shaded contours: cells (left), polygons with holes (right)', 150, 80)
    call height(24)

    ! Left: cell method, colours of the rainbow scale, contour lines on top.
    call axspos(200, 1750)
    call axslen(1150, 1150)
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    do i = 1, nl
      lev(i) = -1.0 + 0.3 * real(i - 1)
    end do
    call conshd(x, n, x, n, z, lev, nl)
    call color('FORE')
    do i = 1, nl
      call contur(x, n, x, n, z, lev(i))
    end do
    call endgrf

    ! Right: polygon method with explicit colours; the bar shows them.
    call axspos(1500, 1750)
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    do i = 1, nl
      lev(i) = 0.5 * real(i - 1) ** 1.5
      h = 240.0 * real(i - 1) / real(nl - 1)
      s = 0.55
      v = 0.95
      call hsvrgb(h, s, v, cr, cg, cb)
      clr(i) = intrgb(cr, cg, cb)
    end do
    call conclr(clr, nl)
    call shdmod('POLY', 'CONT')
    call shdmod('NONE', 'CELL')
    call conshd(x, n, x, n, w, lev, nl)
    call color('FORE')
    call labels('FLOA', 'CONT')
    call labdig(1, 'CON')
    do i = 2, nl, 2
      call contur(x, n, x, n, w, lev(i))
    end do
    call labels('NONE', 'CONT')
    call endgrf

    ! The colour bar of the right plot: one box per interval, from the
    ! lowest level upwards, with the level values.
    call height(22)
    do i = 1, nl
      ybar = 1750 - (i - 1) * 1150 / nl
      call shdpat(16)
      call setclr(clr(i))
      call rectan(2750, ybar - 1150 / nl, 80, 1150 / nl)
      call color('FORE')
      call shdpat(0)
      call rectan(2750, ybar - 1150 / nl, 80, 1150 / nl)
      call number(lev(i), 1, 2850, ybar - 11)
    end do
  end subroutine draw_page

end program shaded_contour
