! Shaded areas as a program draws them: the predefined patterns in a row
! of rectangles, a polygon with a hole, circles and ellipses, and the
! warnings for patterns and areas out of range.
program shading
  use zantor
  implicit none
  integer :: i, nx(10), ny(10)

  nx = [100, 900, 900, 100, 100, 300, 700, 700, 300, 300]
  ny = [1300, 1300, 1900, 1900, 1300, 1500, 1500, 1700, 1700, 1500]

  call metafl('GKSL')
  call setfil('shading.met')
  call zanini
  do i = 0, 17
    call shdpat(i)
    call rectan(100 + mod(i, 9) * 300, 200 + (i / 9) * 400, 250, 300)
  end do
  call mypat(45, 1, 3, 1)
  call areaf(nx, ny, 10)
  call shdpat(16)
  call circle(1300, 1600, 250)
  call mypat(135, 7, 2, 0)
  call ellips(2100, 1600, 400, 250)
  call shdpat(-3)              ! negative pattern
  call mypat(180, 1, 5, 0)     ! angle out of range
  call mypat(45, 8, 5, 0)      ! type out of range
  call areaf(nx, ny, 1)        ! too few points
  call rectan(100, 100, 0, 50) ! zero width
  call circle(500, 500, 0)     ! zero radius
  call zanfin
end program shading
