! A program written in double precision: the data routines accept real(8)
! arrays and scalars through the module's generic interfaces, and the plot
! they draw is the same file as the one drawn from single precision data.
! Matrices go in as two-dimensional arrays of either kind.
program double_precision
  use zantor
  implicit none
  integer, parameter :: n = 50, nx = 30, ny = 20
  real(8) :: x8(n), y8(n), e8(n), gx8(nx), gy8(ny), z8(nx, ny)
  real :: x4(n), y4(n), e4(n), gx4(nx), gy4(ny), z4(nx, ny)
  integer :: i, j

  do i = 1, n
    x8(i) = (i - 1) * 0.2d0
    y8(i) = sin(x8(i)) * 3d0
    e8(i) = 0.1d0 + 0.01d0 * i
  end do
  x4 = real(x8)
  y4 = real(y8)
  e4 = real(e8)
  do i = 1, nx
    gx8(i) = (i - 1) / dble(nx - 1)
  end do
  do j = 1, ny
    gy8(j) = (j - 1) / dble(ny - 1)
  end do
  do j = 1, ny
    do i = 1, nx
      z8(i, j) = sin(6d0 * gx8(i)) * cos(4d0 * gy8(j))
    end do
  end do
  gx4 = real(gx8)
  gy4 = real(gy8)
  z4 = real(z8)

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

  call contours('matrix4.ps', .false.)
  call contours('matrix8.ps', .true.)
  if (same_file('matrix4.ps', 'matrix8.ps')) then
    print '(a)', ' the double precision matrix plot is the same file'
  else
    print '(a)', ' the double precision matrix plot differs'
    error stop 1
  end if

contains

  ! A colour matrix with contour lines over it, from the same data as real
  ! or real(8) two-dimensional matrices.
  subroutine contours(path, double)
    character(len=*), intent(in) :: path
    logical, intent(in) :: double
    integer :: k
    call metafl('POST')
    call setfil(path)
    call zanini
    call graf3(0., 1., 0., 0.2, 0., 1., 0., 0.2, -1., 1., -1., 0.5)
    if (double) then
      call crvmat(z8, nx, ny, 1, 1)
    else
      call crvmat(z4, nx, ny, 1, 1)
    end if
    call color('RED')
    do k = -2, 2
      if (double) then
        call contur(gx8, nx, gy8, ny, z8, 0.4d0 * k)
      else
        call contur(gx4, nx, gy4, ny, z4, 0.4 * k)
      end if
    end do
    call zanfin
  end subroutine contours

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
