! Gallery: chart types.  Grouped bars with labels and a legend, stacked
! horizontal bars, 3D bars, a flat pie with external labels, a 3D pie with
! an offset segment and a polar plot with a grid and a wind rose of polar
! bars, as PostScript and as PNG.
program charts
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('charts.ps')
    if (k == 2) call setfil('charts.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine panel(nx, ny, nw, nh)
    integer, intent(in) :: nx, ny, nw, nh
    call axspos(nx, ny)
    call axslen(nw, nh)
    call height(26)
    call hname(30)
    call htitle(34)
  end subroutine panel

  subroutine draw_page
    real :: x(4) = [1.0, 2.0, 3.0, 4.0], base(4) = 0.0
    real :: a(4) = [3.2, 4.5, 2.1, 5.0], b(4) = [2.4, 3.8, 3.5, 4.2], c(4) = [1.5, 2.2, 4.1, 3.1]
    real :: s1(4), s2(4), pie(5) = [35.0, 20.0, 15.0, 18.0, 12.0]
    real :: r(361), t(361), wx(8), wy1(8), wy2(8)
    character(len=60) :: cbuf
    character(len=120) :: legbuf
    integer :: i

    ! Grouped bars with value labels and a legend.
    call panel(200, 850, 900, 600)
    call labdig(-1, 'X')
    call ticks(1, 'X')
    call name('Quarter', 'X')
    call name('Sales', 'Y')
    call titlin('Grouped bars', 1)
    call graf(0.5, 4.5, 1.0, 1.0, 0.0, 7.0, 0.0, 1.0)
    call title
    call legini(legbuf, 3, 40)
    call leglin(legbuf, 'North', 1)
    call leglin(legbuf, 'South', 2)
    call leglin(legbuf, 'West', 3)
    call bargrp(3, 0.15)
    call labels('SECO', 'BARS')
    call labpos('OUTS', 'BARS')
    call labdig(1, 'BARS')
    call height(20)
    call shdpat(16)
    call barclr(intrgb(0.85, 0.25, 0.2), -1, -1)
    call bars(x, base, a, 4)
    call barclr(intrgb(0.2, 0.45, 0.85), -1, -1)
    call bars(x, base, b, 4)
    call barclr(intrgb(0.3, 0.7, 0.3), -1, -1)
    call bars(x, base, c, 4)
    call height(24)
    call legend(legbuf, 8)
    call barclr(-1, -1, -1)
    call bargrp(1, 0.0)
    call labels('NONE', 'BAR')
    call endgrf

    ! Stacked horizontal bars with labels inside.
    call panel(1400, 850, 600, 600)
    call labdig(-1, 'Y')
    call titlin('Stacked horizontal bars', 1)
    call graf(0.0, 10.0, 0.0, 2.0, 0.5, 4.5, 1.0, 1.0)
    call title
    call bartyp('HORI')
    call barwth(0.6)
    do i = 1, 4
      s1(i) = a(i)
      s2(i) = a(i) + b(i)
    end do
    call labels('DELT', 'BARS')
    call labpos('CENT', 'BARS')
    call labclr(0, 'BARS')
    call color('BLUE')
    call bars(x, base, s1, 4)
    call color('ORANGE')
    call bars(x, s1, s2, 4)
    call color('FORE')
    call labels('NONE', 'BARS')
    call labclr(-1, 'BARS')
    call bartyp('VERT')
    call barwth(0.75)
    call endgrf

    ! 3D bars.
    call panel(2250, 850, 600, 600)
    call titlin('3D bars', 1)
    call graf(0.5, 4.5, 1.0, 1.0, 0.0, 6.0, 0.0, 1.0)
    call title
    call bartyp('3DVE')
    call barwth(0.5)
    call baropt(30.0, 45.0)
    call barclr(intrgb(0.3, 0.6, 0.9), intrgb(0.15, 0.3, 0.5), intrgb(0.6, 0.8, 1.0))
    call bars(x, base, a, 4)
    call barclr(-1, -1, -1)
    call bartyp('VERT')
    call barwth(0.75)
    call endgrf

    ! A flat pie with texts and external labels.
    pie(2) = 20.0
    call panel(200, 2000, 700, 700)
    call titlin('Pie chart', 1)
    cbuf = 'Rent/Food/Travel/Books/Other'
    call chnpie('COLO')
    call labels('PERC', 'PIE')
    call labpos('EXTE', 'PIE')
    call piegrf(cbuf, 1, pie, 5)
    call title
    call endgrf

    ! A 3D pie with an offset (negative) segment.
    call panel(1150, 2000, 700, 700)
    call titlin('3D pie', 1)
    call pietyp('3D')
    call pieopt(0.25, 40.0)
    call chnpie('COLO')
    call labels('DATA', 'PIE')
    call labpos('INTE', 'PIE')
    pie(2) = -20.0
    call piegrf(cbuf, 1, pie, 5)
    call title
    call endgrf
    call pietyp('2D')

    ! A polar plot: a rose curve, a grid and polar bars.
    call panel(2150, 2000, 650, 650)
    call titlin('Polar plot', 1)
    call labdig(2, 'X')
    call grafp(1.0, 0.0, 0.25, 0.0, 30.0)
    call title
    call dot
    call grid(1, 1)
    call solid
    do i = 1, 8
      wx(i) = (i - 1) * 3.14159265 / 4.0
      wy1(i) = 0.0
      wy2(i) = 0.3 + 0.08 * mod(i * 5, 7)
    end do
    call shdpat(16)
    call color('CYAN')
    call barwth(0.6)
    call bars(wx, wy1, wy2, 8)
    call barwth(0.75)
    call shdpat(0)
    do i = 1, 361
      t(i) = (i - 1) * 3.14159265 / 180.0
      r(i) = abs(cos(2.0 * t(i)))
    end do
    call color('RED')
    call thkcrv(3)
    call curve(r, t, 361)
    call thkcrv(1)
    call color('FORE')
    call endgrf
  end subroutine draw_page

end program charts
