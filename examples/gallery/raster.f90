! Gallery: the raster device drawing thick lines (caps, joins, miter
! limits), long and dashed thick curves, thin antialiased lines, markers,
! fills and text, as an 8-bit indexed PNG and as a 32-bit antialiased PNG.
program raster
  use zantor
  implicit none
  character(len=4) :: modes(2) = ['INDE', 'RGB ']
  character(len=12) :: files(2) = ['raster8.png ', 'raster32.png']
  integer :: k

  do k = 1, 2
    call metafl('PNG')
    call setfil(trim(files(k)))
    call filmod('DELE')
    call imgfmt(modes(k))
    call scrmod('REVERS')
    call winsiz(1200, 849)
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page(k)
    call zanfin
  end do

contains

  subroutine draw_page(k)
    integer, intent(in) :: k
    character(len=4) :: caps(3) = ['CUT ', 'ROUN', 'LONG']
    character(len=4) :: joins(3) = ['SHAR', 'ROUN', 'TRUN']
    character(len=24) :: title(2) = ['8-bit indexed PNG       ', '32-bit antialiased PNG  ']
    integer :: i, j, x, y, nx(5), ny(5)
    real :: t, r

    call pagera
    call height(45)
    call messag('Raster lines: ' // trim(title(k)), 120, 70)
    call height(30)

    ! Caps: wide lines with their end points marked by a thin line.
    do i = 1, 3
      y = 300 + (i - 1) * 150
      call color('BLUE')
      call lncap(caps(i))
      call linwid(70)
      call line(300, y, 900, y)
      call linwid(1)
      call color('RED')
      call line(300, y - 60, 300, y + 60)
      call line(900, y - 60, 900, y + 60)
      call color('FORE')
      call messag(caps(i), 120, y - 15)
    end do

    ! Joins on zig-zags; the sharp join once with miter limit 10 and once
    ! with the default 2 (which bevels the steep corners).
    call lncap('CUT')
    do i = 1, 4
      x = 1100 + (i - 1) * 440
      if (i <= 3) then
        call lnjoin(joins(i))
        call messag(joins(i), x, 170)
      else
        call lnjoin('SHAR')
        call messag('SHAR 2', x, 170)
      end if
      if (i == 1) then
        call lnmlt(10.0)
      else
        call lnmlt(2.0)
      end if
      call color('ORAN')
      call linwid(50)
      call strtpt(real(x), 680.0)
      call connpt(real(x + 90), 330.0)
      call connpt(real(x + 180), 680.0)
      call connpt(real(x + 300), 500.0)
      call color('FORE')
      call linwid(1)
      call strtpt(real(x), 680.0)
      call connpt(real(x + 90), 330.0)
      call connpt(real(x + 180), 680.0)
      call connpt(real(x + 300), 500.0)
    end do
    call lnmlt(2.0)

    ! A closed thick outline, and a star that crosses itself: overlaps
    ! are filled once.
    call lnjoin('ROUN')
    call color('GREE')
    call linwid(40)
    do i = 1, 5
      t = 6.2831853 * (i - 1) / 5.0 - 1.5707963
      nx(i) = 350 + nint(200 * cos(t))
      ny(i) = 1050 + nint(200 * sin(t))
    end do
    call strtpt(real(nx(1)), real(ny(1)))
    do i = 2, 5
      call connpt(real(nx(i)), real(ny(i)))
    end do
    call connpt(real(nx(1)), real(ny(1)))
    call lnjoin('SHAR')
    call lnmlt(10.0)
    call color('MAGE')
    call linwid(25)
    call strtpt(real(nx(1) + 500), real(ny(1)))
    do i = 1, 5
      j = mod(2 * i, 5) + 1
      call connpt(real(nx(j) + 500), real(ny(j)))
    end do
    call lnmlt(2.0)

    ! A spiral of 400 points (longer than the device's point buffer) and a
    ! dashed wide curve (dashes bend round the corners of the curve).
    call lnjoin('ROUN')
    call lncap('ROUN')
    call color('CYAN')
    call linwid(30)
    call strtpt(1550.0, 1050.0)
    do i = 1, 400
      t = i * 0.045
      r = 10 + 0.6 * i
      call connpt(1550.0 + r * cos(t), 1050.0 + r * sin(t))
    end do
    call myline([60, 40], 2)
    call lncap('CUT')
    call color('BLUE')
    call linwid(20)
    call strtpt(1950.0, 1050.0)
    do i = 1, 100
      t = i * 0.063
      call connpt(1950.0 + 8.0 * i, 1050.0 + 180.0 * sin(t))
    end do
    call solid

    ! Thin lines: a fan shows the antialiasing of thin strokes.
    call linwid(1)
    call color('FORE')
    do i = 0, 18
      t = 0.0872665 * i
      call line(120, 1950, 120 + nint(500 * cos(t)), 1950 - nint(500 * sin(t)))
    end do

    ! Markers: filled circles, squares and triangles along a wave.
    do i = 0, 11
      x = 750 + i * 90
      y = 1750 + nint(120 * sin(i * 0.6))
      call shdpat(16)
      select case (mod(i, 3))
      case (0)
        call color('RED')
        call circle(x, y, 22)
      case (1)
        call color('GREE')
        call rectan(x - 20, y - 20, 40, 40)
      case default
        call color('BLUE')
        nx(1:3) = [x, x + 24, x - 24]
        ny(1:3) = [y - 24, y + 20, y + 20]
        call areaf(nx, ny, 3)
      end select
      call shdpat(0)
      call color('FORE')
      call circle(x, y, 30)
    end do

    ! Fills and text.
    call shdpat(16)
    call color('YELL')
    call rectan(2000, 1550, 400, 220)
    call shdpat(0)
    call color('FORE')
    call linwid(6)
    call rectan(2000, 1550, 400, 220)
    call linwid(1)
    call height(36)
    call messag('Stroke text, height 36', 2000, 1820)
    call height(20)
    call messag('and height 20: 0123456789 (abc)', 2000, 1890)
  end subroutine draw_page
end program raster
