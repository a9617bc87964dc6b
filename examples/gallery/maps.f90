! Gallery: maps in several projections with filled continents, a grid of
! meridians and parallels, cities and a great-circle route, as PostScript
! and PNG.
program maps
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('maps.ps')
    if (k == 2) call setfil('maps.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine cities
    ! London, New York, Tokyo, Sydney, Rio de Janeiro, Cape Town.
    real :: lon(6) = [-0.13, -74.0, 139.7, 151.2, -43.2, 18.4]
    real :: lat(6) = [51.5, 40.7, 35.7, -33.9, -22.9, -33.9]
    call color('RED')
    call hsymbl(25)
    call marker(21)
    call incmrk(-1)
    call curvmp(lon, lat, 6)
    call incmrk(0)
    call color('FORE')
  end subroutine cities

  subroutine route
    ! London to Tokyo along the great circle.
    real :: x(2) = [-0.13, 139.7], y(2) = [51.5, 35.7]
    call mapmod('GREA')
    call color('MAGENTA')
    call linwid(6)
    call curvmp(x, y, 2)
    call linwid(1)
    call color('FORE')
    call mapmod('INTE')
  end subroutine route

  subroutine one_map(proj, nx, ny, xa, xe, ya, ye, yo, xs, ys, name)
    character(len=*), intent(in) :: proj, name
    integer, intent(in) :: nx, ny
    real, intent(in) :: xa, xe, ya, ye, yo, xs, ys
    call axspos(nx, ny)
    call axslen(1250, 800)
    call projct(proj)
    call labdig(-1, 'XY')
    call grafmp(xa, xe, xa, xs, ya, ye, yo, ys)
    call color('GREEN')
    call shdpat(16)
    call shdmap('LAND')
    call color('FORE')
    call world
    call color('GRAY')
    call gridmp(1, 1)
    call color('FORE')
    call route
    call cities
    call messag(name, nx, ny - 860)
    call endgrf
  end subroutine one_map

  subroutine draw_page
    call pagera
    call height(28)
    call one_map('MOLL', 180, 1000, -180., 180., -90., 90., -90., 60., 30., 'Mollweide')
    call one_map('MERC', 1600, 1000, -180., 180., -70., 80., -60., 60., 30., 'Mercator')
    call mappol(10., 45.)
    call one_map('ORTH', 180, 2000, -180., 180., -90., 90., -90., 30., 30., 'Orthographic')
    call one_map('CONF', 1600, 2000, -20., 60., 25., 70., 30., 20., 10., 'Lambert conformal conic')
  end subroutine draw_page

end program maps
