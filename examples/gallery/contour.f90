! Gallery: contour lines.  Left, a field of two peaks and a valley with
! labelled levels in a colour each; right, the same field as thick lines
! with labels across the lines, the level as user text, and a level
! through scattered points on a triangulation.
program contour
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('contour.ps')
    if (k == 2) call setfil('contour.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  real function field(x, y)
    real, intent(in) :: x, y
    field = 3.0 * exp(-((x - 3.0)**2 + (y - 6.5)**2) / 4.0) &
          + 2.0 * exp(-((x - 7.0)**2 + (y - 3.0)**2) / 3.0) &
          - 1.5 * exp(-((x - 7.5)**2 + (y - 8.0)**2) / 2.0) + 0.1 * x
  end function field

  subroutine draw_page
    integer, parameter :: n = 61
    character(len=4) :: colours(6) = ['BLUE', 'CYAN', 'GREE', 'ORAN', 'RED ', 'MAGE']
    real :: x(n), z(n, n), lev, xt(200), yt(200), zt(200)
    integer :: i, j, i1(400), i2(400), i3(400), nt

    do i = 1, n
      x(i) = real(i - 1) * 10.0 / real(n - 1)
    end do
    do j = 1, n
      do i = 1, n
        z(i, j) = field(x(i), x(j))
      end do
    end do

    call pagera
    call height(40)
    call messag('Contour lines: labels, thick lines, triangles', 200, 80)
    call height(24)

    ! Left: coloured levels with numeric labels along the lines.
    call axspos(200, 1800)
    call axslen(1250, 1250)
    call name('X', 'X')
    call name('Y', 'Y')
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    call labels('FLOA', 'CONT')
    call labdig(1, 'CON')
    do i = 1, 12
      lev = -1.25 + 0.375 * real(i - 1)
      call color(colours(mod(i - 1, 6) + 1))
      call contur(x, n, x, n, z, lev)
    end do
    call color('FORE')
    call endgrf

    ! Right: thick lines, labels across the lines in one colour, user text.
    call axspos(1600, 1800)
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    call labtyp('VERT', 'CONT')
    call labclr(intrgb(0.8, 0.0, 0.0), 'CON')
    call thkcrv(3)
    call color('BLUE')
    lev = 1.0
    call contur(x, n, x, n, z, lev)
    call labtyp('HORI', 'CONT')
    call labels('CONL', 'CON')
    call conlab('valley')
    call thkcrv(1)
    call color('GREE')
    lev = -0.6
    call contur(x, n, x, n, z, lev)
    call labels('NONE', 'CON')
    ! A level through scattered points on a triangulated lattice.
    nt = 0
    do j = 1, 10
      do i = 1, 10
        xt((j - 1) * 10 + i) = real(i - 1) * 10.0 / 9.0 + 0.2 * sin(real(7 * i + 3 * j))
        yt((j - 1) * 10 + i) = real(j - 1) * 10.0 / 9.0 + 0.2 * cos(real(5 * i + 11 * j))
        xt((j - 1) * 10 + i) = max(0.0, min(10.0, xt((j - 1) * 10 + i)))
        yt((j - 1) * 10 + i) = max(0.0, min(10.0, yt((j - 1) * 10 + i)))
        zt((j - 1) * 10 + i) = field(xt((j - 1) * 10 + i), yt((j - 1) * 10 + i))
      end do
    end do
    do j = 1, 9
      do i = 1, 9
        nt = nt + 1
        i1(nt) = (j - 1) * 10 + i
        i2(nt) = (j - 1) * 10 + i + 1
        i3(nt) = j * 10 + i + 1
        nt = nt + 1
        i1(nt) = (j - 1) * 10 + i
        i2(nt) = j * 10 + i + 1
        i3(nt) = j * 10 + i
      end do
    end do
    call color('MAGE')
    call dash
    lev = 2.0
    call contri(xt, yt, zt, 100, i1, i2, i3, nt, lev)
    call solid
    call color('FORE')
    call endgrf
  end subroutine draw_page

end program contour
