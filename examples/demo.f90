! The smallest complete plot: the library's own metafile with a page
! border and a few lines, then the protocol.
program demo
  use zantor
  implicit none
  integer :: level, nx, ny, i

  call metafl('GKSL')
  call setfil('demo.met')
  call zanini
  call getlev(level)
  print '(a,i2)', ' level after zanini:', level
  call getpag(nx, ny)
  print '(a,2i6)', ' page in plot units:', nx, ny
  call pagera
  do i = 0, 10
    call line(300 + i*200, 300, 300 + i*200, 1800)
  end do
  call line(300, 1050, 2300, 1050)
  call zanfin
  call getlev(level)
  print '(a,i2)', ' level after zanfin:', level
end program demo
