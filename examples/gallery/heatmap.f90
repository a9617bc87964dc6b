! Gallery: colour axis systems.  A heat map of a smooth function with its
! colour bar on the right (PostScript and a 32-bit PNG), and a scatter of
! coloured points on a logarithmic colour axis with the bar below.
program heatmap
  use zantor
  implicit none
  integer, parameter :: n = 120, m = 90
  real :: zmat(n, m), x, y
  integer :: i, j, k
  character(len=4) :: fmts(2) = ['PS  ', 'PNG ']
  character(len=12) :: files(2) = ['heatmap.ps  ', 'heatmap.png ']

  do j = 1, m
    do i = 1, n
      x = -3.0 + 6.0 * (i - 1) / (n - 1)
      y = -2.0 + 4.0 * (j - 1) / (m - 1)
      zmat(i, j) = sin(x) * cos(y) + 0.5 * exp(-(x * x + y * y))
    end do
  end do

  do k = 1, 2
    call metafl(trim(fmts(k)))
    call setfil(trim(files(k)))
    call filmod('DELE')
    if (k == 2) then
      call imgfmt('RGB')
      call winsiz(1200, 849)
    end if
    call scrmod('REVERS')
    call zanini
    call errmod('PROT', 'OFF')
    call pagera
    call setvlt('RAIN')
    call titlin('Heat map with a colour bar', 2)
    call name('X axis', 'X')
    call name('Y axis', 'Y')
    call name('Value', 'Z')
    call axspos(350, 1800)
    call axslen(1800, 1350)
    call graf3(-3.0, 3.0, -3.0, 1.0, -2.0, 2.0, -2.0, 1.0, -1.0, 1.5, -1.0, 0.5)
    call crvmat(zmat, n, m, 1, 1)
    call title
    call endgrf
    call zanfin
  end do

  ! Points on a logarithmic colour axis, the bar below the axis system.
  call metafl('PNG')
  call setfil('heatpoints.png')
  call filmod('DELE')
  call imgfmt('RGB')
  call winsiz(1200, 849)
  call scrmod('REVERS')
  call zanini
  call errmod('PROT', 'OFF')
  call pagera
  call setvlt('TEMP')
  call titlin('Coloured points, logarithmic colour axis', 2)
  call axspos(450, 1500)
  call axslen(2000, 1100)
  call scale('LOG', 'Z')
  call labels('LOG', 'Z')
  call posbar('BOTT')
  call jusbar('CENT')
  call ax3len(2000, 1100, 1400)
  call setres(40, 40)
  call graf3(0.0, 20.0, 0.0, 5.0, 0.0, 10.0, 0.0, 2.0, -2.0, 2.0, -2.0, 1.0)
  do j = 1, 10
    do i = 1, 20
      call rpoint(real(i) - 0.5, real(j) - 0.5, 10.0**(4.0 * (i + j - 2) / 28.0 - 2.0), 40, 40)
    end do
  end do
  call title
  call endgrf
  call zanfin
end program heatmap
