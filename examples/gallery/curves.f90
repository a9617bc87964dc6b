! Gallery: curves of every interpolation mode, marker symbols, bars, stems
! and error bars in three axis systems on one page, as PostScript, PNG, PDF and SVG.
program curves
  use zantor
  implicit none
  character(len=4) :: formats(4) = ['PS  ', 'PNG ', 'PDF ', 'SVG ']
  character(len=3) :: exts(4) = ['ps ', 'png', 'pdf', 'svg']
  integer :: k

  do k = 1, 4
    call metafl(formats(k))
    call setfil('curves.' // trim(exts(k)))
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine label(text, x, y)
    character(len=*), intent(in) :: text
    real, intent(in) :: x, y
    call messag(text, nxposn(x), nyposn(y) - 20)
  end subroutine label

  subroutine draw_page
    integer, parameter :: n = 12
    character(len=4) :: modes(6) = ['LINE', 'STEP', 'STAI', 'SPLI', 'PSPL', 'CURV']
    character(len=4) :: colours(6) = ['BLUE', 'RED ', 'GREE', 'ORAN', 'MAGE', 'CYAN']
    real :: x(n), y(n), yy(n), e1(n), e2(n), xs(24), ys(24)
    integer :: i, m

    do i = 1, n
      x(i) = real(i - 1) * 10.0 / real(n - 1)
      y(i) = 0.8 * sin(x(i) * 0.9) + 0.25 * cos(x(i) * 2.3)
    end do

    call pagera
    call height(40)
    call messag('Curves: interpolation modes, markers, bars and error bars', 250, 60)
    call height(26)

    ! Top: one curve per interpolation mode, stacked, markers at the data.
    call axspos(250, 1000)
    call axslen(2500, 820)
    call ticks(1, 'XY')
    call graf(0.0, 10.0, 0.0, 1.0, -1.0, 17.0, 0.0, 2.0)
    call hsymbl(22)
    call thkcrv(2)
    do m = 1, 6
      yy = y + real(m - 1) * 3.0
      call color(colours(m))
      call polcrv(modes(m))
      call incmrk(1)
      call marker(15 + mod(m, 2) * 6)
      call curve(x, yy, n)
      call color('FORE')
      call label(modes(m), 10.1, yy(n))
    end do
    call polcrv('LINE')
    call thkcrv(1)
    call endgrf

    ! Lower left: filled bars and stems.
    call axspos(250, 1950)
    call axslen(1150, 760)
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    do i = 1, n
      yy(i) = 4.0 + 3.0 * y(i)
    end do
    call color('BLUE')
    call polcrv('FBAR')
    call incmrk(0)
    call curve(x, yy, n)
    call color('RED')
    call polcrv('STEM')
    call incmrk(1)
    call marker(21)
    yy = yy * 0.5
    call curve(x, yy, n)
    call polcrv('LINE')
    call color('FORE')
    call messag('FBAR and STEM', 300, 1140)
    call endgrf

    ! Lower right: the 24 marker symbols and error bars.
    call axspos(1600, 1950)
    call axslen(1150, 760)
    call graf(0.0, 13.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
    call hsymbl(40)
    do i = 1, 24
      xs(i) = real(mod(i - 1, 12)) + 0.9
      ys(i) = 8.8 - real((i - 1) / 12) * 1.4
      call rlsymb(i - 1, xs(i), ys(i))
    end do
    do i = 1, n
      yy(i) = 3.0 + 1.5 * y(i)
      e1(i) = 0.3 + 0.05 * real(i)
      e2(i) = 0.5 + 0.03 * real(i)
    end do
    x = x + 1.0
    call color('MAGE')
    call marker(16)
    call hsymbl(24)
    call errbar(x, yy, e1, e2, n)
    call color('FORE')
    call messag('Symbols 0 to 23 and error bars', 1650, 1140)
    call endgrf
  end subroutine draw_page

end program curves
