! Gallery: axis systems with their ticks, labels and names (linear,
! logarithmic, descending, crossed, date and time labels, vertical labels
! with names on all sides), as PostScript, PNG, PDF and SVG.
program axes
  use zantor
  implicit none
  character(len=4) :: formats(4) = ['PS  ', 'PNG ', 'PDF ', 'SVG ']
  character(len=3) :: exts(4) = ['ps ', 'png', 'pdf', 'svg']
  integer :: k

  do k = 1, 4
    call metafl(formats(k))
    call setfil('axes.' // trim(exts(k)))
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine panel(nx, ny)
    integer, intent(in) :: nx, ny
    call axspos(nx, ny)
    call axslen(550, 500)
    call height(28)
    call hname(32)
  end subroutine panel

  subroutine draw_page
    ! Linear axes with names.
    call panel(250, 750)
    call labdig(-1, 'X')
    call name('Distance (m)', 'X')
    call name('Speed', 'Y')
    call graf(0.0, 10.0, 0.0, 2.0, 0.0, 100.0, 0.0, 20.0)
    call endgrf

    ! Logarithmic axes with powers of ten.
    call panel(1250, 750)
    call scale('LOG', 'XY')
    call labels('LOG', 'XY')
    call name('Frequency', 'X')
    call name('Amplitude', 'Y')
    call graf(-1.0, 3.0, -1.0, 1.0, 0.0, 2.0, 0.0, 1.0)
    call endgrf
    call scale('LIN', 'XY')
    call labels('FLOA', 'XY')

    ! Descending X axis, exponent labels on Y.
    call panel(2150, 750)
    call labels('EXP', 'Y')
    call name('Descending', 'X')
    call name('Exponents', 'Y')
    call labdig(-1, 'X')
    call graf(10.0, 0.0, 10.0, -2.0, 0.0, 5000.0, 0.0, 1000.0)
    call endgrf
    call labels('FLOA', 'Y')
    call labdig(1, 'X')

    ! Crossed axis system.
    call panel(250, 1700)
    call axstyp('CROS')
    call name('x', 'X')
    call name('y', 'Y')
    call labdig(-1, 'XY')
    call graf(-6.0, 6.0, -6.0, 2.0, -4.0, 4.0, -4.0, 2.0)
    call endgrf
    call axstyp('RECT')
    call labdig(1, 'XY')

    ! Date labels on X, time labels on Y.
    call panel(1250, 1700)
    call basdat(1, 1, 2024)
    call labels('DATE', 'X')
    call labmod('MONTH', 'SHORT', 'X')
    call labmod('YEAR', 'NONE', 'X')
    call labels('TIME', 'Y')
    call timopt
    call name('Date', 'X')
    call name('Time of day', 'Y')
    call labmod('STEP', 'MONTH', 'X')
    call ticmod('DAYS', 'X')
    call graf(0.0, 60.0, 0.0, 20.0, 0.0, 86400.0, 0.0, 21600.0)
    call endgrf
    call ticmod('NONE', 'X')
    call labels('FLOA', 'XY')

    ! Vertical labels and names on all four sides, coloured parts.
    call panel(2150, 1700)
    call setgrf('NAME', 'NAME', 'NAME', 'NAME')
    call labtyp('VERT', 'XY')
    call axclrs(50, 'LABE', 'XY')
    call axclrs(250, 'NAME', 'XY')
    call name('Vertical labels', 'X')
    call name('Names on all sides', 'Y')
    call labdig(2, 'X')
    call graf(0.0, 1.0, 0.0, 0.25, -1.0, 1.0, -1.0, 0.5)
    call endgrf
  end subroutine draw_page

end program axes
