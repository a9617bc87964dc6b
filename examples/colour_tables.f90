! Writes the nine predefined colour tables as a picture (swatch.ppm, one
! row of 256 pixels per table, from entry 0 at the left) and prints five
! entries of each table.
program colour_tables
  use zantor
  implicit none
  character(len=4), parameter :: names(9) = [character(len=4) :: &
       'SMAL', 'RAIN', 'SPEC', 'GREY', 'RRAI', 'RSPE', 'RGRE', 'VGA ', 'TEMP']
  integer :: t, i, k, rgb(3, 0:255)
  integer, parameter :: shown(5) = [0, 1, 127, 128, 255]
  real :: r, g, b

  call metafl('GKSL')
  call setfil('colour_tables.met')
  call zanini
  call errmod('PROTOCOL', 'OFF')
  open(10, file='swatch.ppm', status='replace', action='write')
  write(10, '(a)') 'P3'
  write(10, '(a)') '256 9'
  write(10, '(a)') '255'
  do t = 1, 9
    call setvlt(names(t))
    do i = 0, 255
      call getind(i, r, g, b)
      rgb(:, i) = [nint(r*255), nint(g*255), nint(b*255)]
      write(10, '(3i4)') rgb(:, i)
    end do
    print '(1x,a4,5(i4,1x,3z2.2))', names(t), (shown(k), rgb(:, shown(k)), k = 1, 5)
  end do
  close(10)
  call zanfin
end program colour_tables
