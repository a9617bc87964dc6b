! Gallery: line styles, widths, caps and joins, colours and shading
! patterns, as PostScript, PNG, PDF and SVG.
program primitives
  use zantor
  implicit none
  character(len=4) :: formats(4) = ['PS  ', 'PNG ', 'PDF ', 'SVG ']
  character(len=3) :: exts(4) = ['ps ', 'png', 'pdf', 'svg']
  integer :: k

  ! The PNG is a 32-bit antialiased picture on white, like the PostScript
  ! page rendered by Ghostscript.
  call imgfmt('RGB')
  call scrmod('REVERS')
  do k = 1, 4
    call metafl(formats(k))
    call setfil('primitives.' // trim(exts(k)))
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine draw_page
    integer :: i, y, x
    character(len=4) :: caps(3) = ['CUT ', 'ROUN', 'LONG']
    character(len=4) :: joins(3) = ['SHAR', 'ROUN', 'TRUN']
    character(len=4) :: names(8) = ['RED ', 'GREE', 'BLUE', 'ORAN', 'CYAN', 'MAGE', 'YELL', 'FORE']

    call pagera
    call height(40)
    call messag('Line styles, widths, caps, joins, colours and patterns', 150, 80)
    call height(28)
    ! The eight line styles.
    do i = 0, 7
      y = 220 + i * 70
      call lintyp(i)
      call line(150, y, 1100, y)
    end do
    call solid
    ! Widths with the three caps.
    do i = 1, 3
      call lncap(caps(i))
      call linwid(10 * i)
      call line(1300, 220 + (i - 1) * 110, 2000, 220 + (i - 1) * 110)
    end do
    ! The three joins on a zig-zag.
    do i = 1, 3
      call lnjoin(joins(i))
      call linwid(24)
      x = 2150 + (i - 1) * 260
      call strtpt(real(x), 560.0)
      call connpt(real(x + 80), 220.0)
      call connpt(real(x + 160), 560.0)
      call connpt(real(x + 240), 220.0)
    end do
    call linwid(1)
    call lncap('LONG')
    ! Named colours.
    do i = 1, 8
      call color(names(i))
      call linwid(16)
      call line(150 + (i - 1) * 110, 850, 150 + (i - 1) * 110 + 80, 850)
    end do
    call linwid(1)
    call color('FORE')
    ! The rainbow table as a colour strip.
    do i = 0, 255
      call setclr(i)
      call shdpat(16)
      call rectan(1100 + i * 7, 800, 7, 100)
    end do
    call color('FORE')
    ! Shading patterns 0 to 17.
    do i = 0, 17
      call shdpat(i)
      call rectan(150 + mod(i, 9) * 300, 1000 + (i / 9) * 450, 260, 400)
    end do
    call shdpat(0)
  end subroutine draw_page
end program primitives
