! A program written in double precision: the data routines accept real(8)
! arrays and scalars through the module's generic interfaces, and the plot
! they draw is the same file as the one drawn from single precision data.
program double_precision
  use zantor
  implicit none
  integer, parameter :: n = 50
  real(8) :: x8(n), y8(n), e8(n)
  real :: x4(n), y4(n), e4(n)
  integer :: i

  do i = 1, n
    x8(i) = (i - 1) * 0.2d0
    y8(i) = sin(x8(i)) * 3d0
    e8(i) = 0.1d0 + 0.01d0 * i
  end do
  x4 = real(x8)
  y4 = real(y8)
  e4 = real(e8)

  call metafl('POST')
  call setfil('single.ps')
  call zanini
  call graf(0., 10., 0., 2., -4., 4., -4., 2.)
  call curve(x4, y4, n)
  call errbar(x4, y4, e4, e4, n)
  call rlmess('single', 1., 3.)
  print '(a, f8.2)', ' xposn(5) single: ', xposn(5.)
  call zanfin

  call metafl('POST')
  call setfil('double.ps')
  call zanini
  call graf(0d0, 10d0, 0d0, 2d0, -4d0, 4d0, -4d0, 2d0)
  call curve(x8, y8, n)
  call errbar(x8, y8, e8, e8, n)
  call rlmess('single', 1d0, 3d0)
  print '(a, f8.2)', ' xposn(5) double: ', xposn(5d0)
  call zanfin

  if (same_file('single.ps', 'double.ps')) then
    print '(a)', ' the double precision plot is the same file'
  else
    print '(a)', ' the double precision plot differs'
    error stop 1
  end if

contains

  logical function same_file(a, b)
    character(len=*), intent(in) :: a, b
    character(len=:), allocatable :: ca, cb
    ca = slurp(a)
    cb = slurp(b)
    same_file = len(ca) > 0 .and. ca == cb
  end function same_file

  function slurp(path) result(text)
    character(len=*), intent(in) :: path
    character(len=:), allocatable :: text
    integer :: u, size
    open(newunit=u, file=path, access='stream', form='unformatted', action='read')
    inquire(unit=u, size=size)
    allocate(character(len=size) :: text)
    read(u) text
    close(u)
  end function slurp
end program double_precision
