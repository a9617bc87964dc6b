! Gallery: shaded surfaces.  A lit surface drawn smoothly through the
! depth buffer into a 32-bit PNG, the same surface coloured by height, and
! the PostScript form, where cells are filled flat from back to front.
program shaded
  use zantor
  implicit none
  integer, parameter :: n = 60
  real :: x(n), y(n), z(n, n)
  integer :: i, j, k
  character(len=4) :: fmts(3) = ['PNG ', 'PNG ', 'PS  ']
  character(len=16) :: files(3) = ['shaded_lit.png  ', 'shaded_clr.png  ', 'shaded.ps       ']

  do i = 1, n
    x(i) = -3.0 + 6.0 * (i - 1) / (n - 1)
    y(i) = x(i)
  end do
  do j = 1, n
    do i = 1, n
      z(i, j) = 1.5 * exp(-(x(i)**2 + y(j)**2) / 2.0) - 0.8 * exp(-((x(i) - 1.5)**2 + (y(j) + 1.0)**2))
    end do
  end do

  do k = 1, 3
    call metafl(trim(fmts(k)))
    call setfil(trim(files(k)))
    call filmod('DELE')
    if (k < 3) then
      call imgfmt('RGB')
      call winsiz(1600, 1131)
    end if
    call scrmod('REVERS')
    call zanini
    call errmod('PROT', 'OFF')
    call pagera
    if (k == 1) then
      call titlin('Lit surface, depth buffer', 2)
      call light('ON')
      call matop3(0.9, 0.6, 0.3, 'DIFF')
      call matopt(0.5, 'SPEC')
      call matopt(20.0, 'EXPO')
      call litpos(1, 30.0, 40.0, 10.0, 'ANGL')
    else
      call titlin('Surface coloured by height', 2)
      call setvlt('RAIN')
    end if
    call axspos(400, 1800)
    call axslen(2200, 1400)
    call name('X', 'X')
    call name('Y', 'Y')
    call name('Z', 'Z')
    call graf3d(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0, -1.0, 1.5, -1.0, 0.5)
    call surshd(x, n, y, n, z)
    call title
    call endgrf
    call zanfin
  end do
end program shaded
