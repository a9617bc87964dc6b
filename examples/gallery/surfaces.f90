! Gallery: surfaces with hidden lines in 3D axis systems - central and
! parallel projection with a 2D graph on a back wall, upper and lower side
! colours seen from below, a surface of a function with a 3D curve and its
! markers above it - as PostScript and PNG.
program surfaces
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('surfaces.ps')
    if (k == 2) call setfil('surfaces.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  real function ripple(x, y)
    real, intent(in) :: x, y
    ripple = sin(x) * cos(y)
  end function ripple

  subroutine panel(nx, ny, title)
    integer, intent(in) :: nx, ny
    character(len=*), intent(in) :: title
    call axspos(nx, ny)
    call axslen(1300, 850)
    call height(30)
    call messag(title, nx + 40, ny - 850)
    call height(24)
    call name('X-axis', 'X')
    call name('Y-axis', 'Y')
    call name('Z-axis', 'Z')
  end subroutine panel

  subroutine draw_page
    integer, parameter :: n = 40, nc = 200, nw = 100
    real :: x(n), y(n), z(n, n), r, cx(nc), cy(nc), cz(nc), t, wx(nw), wy(nw)
    integer :: i, j

    do i = 1, nw
      wx(i) = 6.3 * (i - 1) / (nw - 1)
      wy(i) = sin(wx(i))
    end do

    do i = 1, n
      x(i) = -3.0 + 6.0 * (i - 1) / (n - 1)
      y(i) = x(i)
    end do
    do j = 1, n
      do i = 1, n
        r = sqrt(x(i)**2 + y(j)**2)
        z(i, j) = cos(1.5 * r) * exp(-r / 3.0)
      end do
    end do

    call pagera

    ! Central projection with the box and its grid.
    call panel(100, 1000, 'Central projection')
    call graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 1., -1., 0.5)
    call shlsur
    call color('BLUE')
    call surfce(x, n, y, n, z)
    call color('FORE')
    ! The grid on the back walls is hidden where the surface covers it.
    call grid3d(1, 1, 'BACK')
    call hidlin('OFF')
    call endgrf

    ! The same surface in parallel projection from another side.
    call panel(1550, 1000, 'Parallel projection')
    call proj3d('ORTH')
    call view3d(-5., -4., 3., 'ABS ')
    call graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 1., -1., 0.5)
    call box3d
    call shlsur
    call color('GREE')
    call surfce(x, n, y, n, z)
    call color('FORE')
    ! A 2D graph on the back wall, hidden where the surface is in front.
    call grfini(-1., 1., -1., 1., 1., -1., 1., 1., 1.)
    call axspos(500, 1800)
    call axslen(2400, 1500)
    call height(70)
    call name('t', 'X')
    call name('sin t', 'Y')
    call graf(0., 6.3, 0., 1., -1., 1., -1., 0.5)
    call color('RED')
    call curve(wx, wy, nw)
    call color('FORE')
    call endgrf
    call grffin
    call hidlin('OFF')
    call endgrf
    call proj3d('PERS')

    ! Upper side red, lower side blue, seen from a low view point.
    call panel(100, 2000, 'Upper and lower side colours')
    call view3d(4.5, -5., 0.6, 'ABS ')
    call surclr(intrgb(0.85, 0.1, 0.1), intrgb(0.1, 0.2, 0.9))
    call graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 1., -1., 0.5)
    call surfce(x, n, y, n, z)
    call endgrf
    call surclr(-1, -1)

    ! A function surface with a helix above it, hidden behind the surface.
    call panel(1550, 2000, 'Function surface and 3D curve')
    call view3d(35., 30., 8., 'ANGL')
    call graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 2., -1., 1.)
    call shlsur
    call color('MAGE')
    call surfun(ripple, 2, 0.25, 2, 0.25)
    do i = 1, nc
      t = 6.0 * 3.14159265 * (i - 1) / (nc - 1)
      cx(i) = 2.5 * cos(t)
      cy(i) = 2.5 * sin(t)
      cz(i) = -0.8 + 2.6 * (i - 1) / (nc - 1)
    end do
    call color('RED')
    ! Outlined symbols: the surface hides them where it hides the curve.
    call hsymbl(24)
    call marker(1)
    call incmrk(20)
    call curv3d(cx, cy, cz, nc)
    call incmrk(0)
    call color('FORE')
    call hidlin('OFF')
    call endgrf
  end subroutine draw_page

end program surfaces
