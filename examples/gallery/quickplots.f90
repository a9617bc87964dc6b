! Gallery: the quick plots - a whole picture in one call each.  A line
! plot, a scatter plot, three curves added one by one, a bar graph, a pie
! chart, a surface, a contour plot and a colour plot of the same matrix,
! and a line plot with the X axis fixed by qplscl.  Each call finishes its
! own file; the program opens each plot first only to give it a title.
program quickplots
  use zantor
  implicit none
  integer, parameter :: n = 60, nx = 30, ny = 24
  real :: x(n), y(n), y2(n), y3(n), z(nx, ny)
  real :: heights(7) = [4.0, 7.5, 3.2, 9.1, 6.4, 2.8, 5.5]
  real :: shares(5) = [32.0, 24.0, 18.0, -14.0, 12.0]
  integer :: i, j

  do i = 1, n
    x(i) = (i - 1) * 0.2
    y(i) = sin(x(i)) * exp(-0.1 * x(i))
    y2(i) = 0.6 * cos(x(i))
    y3(i) = 0.1 * x(i) - 0.5
  end do
  do j = 1, ny
    do i = 1, nx
      z(i, j) = sin(0.25 * i) * cos(0.3 * j) + 0.02 * i
    end do
  end do

  call start('quickplots_line.ps', 'PS  ', 'qplot: a damped sine')
  call qplot(x, y, n)

  call start('quickplots_scatter.pdf', 'PDF ', 'qplsca: the same points as symbols')
  call qplsca(x, y, n)

  call start('quickplots_curves.svg', 'SVG ', 'qplcrv: three curves, one call each')
  call qplcrv(x, y, n, 'FIRST')
  call qplcrv(x, y2, n, 'NEXT')
  call qplcrv(x, y3, n, 'LAST')

  call start('quickplots_bars.ps', 'PS  ', 'qplbar: bars with their values')
  call qplbar(heights, 7)

  call start('quickplots_pie.ps', 'PS  ', 'qplpie: a pie with one negative (offset) value')
  call qplpie(shares, 5)

  call start('quickplots_surface.ps', 'PS  ', 'qplsur: a surface mesh of a matrix')
  call qplsur(z, nx, ny)

  call start('quickplots_contour.ps', 'PS  ', 'qplcon: ten levels of the same matrix')
  call qplcon(z, nx, ny, 10)

  call start('quickplots_colour.png', 'PNG ', 'qplclr: the matrix in colours')
  call qplclr(z, nx, ny)

  call qplscl(0.0, 20.0, 0.0, 5.0, 'X')
  call start('quickplots_fixed.ps', 'PS  ', 'qplscl: X fixed to 0 .. 20')
  call qplot(x, y, n)
  call qplscl(0.0, 0.0, 0.0, 0.0, 'RESET')

contains

  ! Opens the plot into a named file and sets its title; the quick plot
  ! that follows draws into it and finishes it.
  subroutine start(file, format, text)
    character(len=*), intent(in) :: file, format, text
    call metafl(format)
    call setfil(file)
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call titlin(text, 2)
  end subroutine start

end program quickplots
