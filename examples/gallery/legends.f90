! Gallery: 2D plots with legends in several positions, titles, grids and
! two axis systems on one page, as PostScript, PNG, PDF and SVG.
program legends
  use zantor
  implicit none
  character(len=4) :: formats(4) = ['PS  ', 'PNG ', 'PDF ', 'SVG ']
  character(len=3) :: exts(4) = ['ps ', 'png', 'pdf', 'svg']
  integer :: k

  do k = 1, 4
    call metafl(formats(k))
    call setfil('legends.' // trim(exts(k)))
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  ! A data line through the points, in a line style and colour.
  subroutine plot(x, y, n, ityp, iclr, nthk)
    integer, intent(in) :: n, ityp, iclr, nthk
    real, intent(in) :: x(n), y(n)
    integer :: i, j
    call lintyp(ityp)
    call setclr(iclr)
    do j = 1, nthk
      call strtpt(xposn(x(1)), yposn(y(1)) + real(j - 1))
      do i = 2, n
        call connpt(xposn(x(i)), yposn(y(i)) + real(j - 1))
      end do
    end do
    call solid
    call color('FORE')
  end subroutine plot

  subroutine draw_page
    integer, parameter :: n = 200
    real :: x(n), y1(n), y2(n), y3(n)
    character(len=60) :: cbuf
    integer :: i, red, blue, green, fore, nx

    red = intrgb(0.85, 0.1, 0.1)
    blue = intrgb(0.1, 0.25, 0.85)
    green = intrgb(0.0, 0.55, 0.2)
    fore = 255
    do i = 1, n
      x(i) = 10.0 * real(i - 1) / real(n - 1)
      y1(i) = 0.8 * sin(x(i))
      y2(i) = exp(-0.25 * x(i)) * cos(2.0 * x(i))
      y3(i) = 0.3 * cos(0.7 * x(i)) - 0.2
    end do

    call pagera
    call height(30)

    ! Left: two curves, a grid, a title and the legend in the upper right
    ! corner of the axis system.
    call axspos(250, 1650)
    call axslen(1100, 1100)
    call titlin('Oscillations', 1)
    call titlin('sine and damped cosine', 3)
    call legini(cbuf, 3, 20)
    call leglin(cbuf, 'sin(x)', 1)
    call leglin(cbuf, 'damped cos(2x)', 2)
    call legtit('Curves')
    call legpat(1, 0, 3, -1, red, -1)
    call legpat(2, 0, 3, -1, blue, -1)
    call graf(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5)
    call color('GRAY')
    call dot
    call grid(1, 1)
    call solid
    call color('FORE')
    call plot(x, y1, n, 0, red, 3)
    call plot(x, y2, n, 0, blue, 3)
    call legbgd(0)
    call legend(cbuf, 7)
    call title
    call endgrf

    ! Right: three curves, a horizontal legend below the axis system and
    ! a legend with a background in the lower left corner.
    call axspos(1600, 1650)
    call axslen(1100, 1100)
    call titlin('Second axis system', 1)
    call titlin('', 3)
    call legtyp('HORI')
    call legini(cbuf, 3, 20)
    call leglin(cbuf, 'sine', 1)
    call leglin(cbuf, 'damped', 2)
    call leglin(cbuf, 'offset', 3)
    call legtit(' ')
    call legpat(1, 0, 1, -1, red, -1)
    call legpat(2, 2, 1, -1, blue, -1)
    call legpat(3, 4, 1, -1, green, -1)
    call graf(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5)
    call grid(2, 2)
    call yaxgit
    call xaxgit
    call plot(x, y1, n, 0, red, 1)
    call plot(x, y2, n, 2, blue, 1)
    call plot(x, y3, n, 4, green, 1)
    nx = nxlegn(cbuf)
    call legpos(1600 + (1100 - nx) / 2, 1650 + 120)
    call legend(cbuf, 1)
    call title
    call endgrf
  end subroutine draw_page

end program legends
