! Gallery: shaded surfaces.  A lit surface drawn smoothly through the
! depth buffer into a 32-bit PNG, the same surface coloured by height, and
! the PostScript form, where cells are filled flat from back to front;
! then the surface in contour bands with its mesh lines, as PNG and PDF.
program shaded
  use zantor
  implicit none
  integer, parameter :: n = 60
  real :: x(n), y(n), z(n, n)
  real :: levels(9)
  integer :: i, j, k
  character(len=4) :: fmts(5) = ['PNG ', 'PNG ', 'PS  ', 'PNG ', 'PDF ']
  character(len=16) :: files(5) = ['shaded_lit.png  ', 'shaded_clr.png  ', 'shaded.ps       ', &
                                   'shaded_bands.png', 'shaded_bands.pdf']

  do i = 1, n
    x(i) = -3.0 + 6.0 * (i - 1) / (n - 1)
    y(i) = x(i)
  end do
  do j = 1, n
    do i = 1, n
      z(i, j) = 1.5 * exp(-(x(i)**2 + y(j)**2) / 2.0) - 0.8 * exp(-((x(i) - 1.5)**2 + (y(j) + 1.0)**2))
    end do
  end do

  do k = 1, 9
    levels(k) = -1.0 + 0.25 * (k - 1)
  end do

  do k = 1, 5
    call metafl(trim(fmts(k)))
    call setfil(trim(files(k)))
    call filmod('DELE')
    if (k /= 3 .and. k /= 5) then
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
    else if (k < 4) then
      call titlin('Surface coloured by height', 2)
      call setvlt('RAIN')
    else
      call titlin('Contour bands with mesh lines', 2)
      call setvlt('RAIN')
      call shdmod('MIDD', 'COLO')
      call surmsh('ON')
    end if
    call axspos(400, 1800)
    call axslen(2200, 1400)
    call name('X', 'X')
    call name('Y', 'Y')
    call name('Z', 'Z')
    call graf3d(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0, -1.0, 1.5, -1.0, 0.5)
    if (k < 4) then
      call surshd(x, n, y, n, z)
    else
      call color('FORE')
      call surshc(x, n, y, n, z, levels, 9)
    end if
    call title
    call endgrf
    call zanfin
  end do
end program shaded
