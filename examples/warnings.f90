! A program that gets the library's warnings: wrong levels, unknown
! keywords given as character arguments of different lengths, bad values.
program warnings
  use zantor
  implicit none
  character(len=12) :: padded
  integer :: level

  padded = 'landscape'
  call setpag('XYZ')          ! unknown keyword
  call setpag('da4p')         ! lower case selects DA4P
  call errdev('FI')           ! only four characters count; FI is unknown
  call pagmod(padded)         ! blank-padded argument selects LAND
  call zanini                 ! level 0 -> 1
  call zanini                 ! wrong level
  call setpag('DA4L')         ! level-0 routine at level 1
  call pagmod('PORTRAIT')     ! level-0 routine at level 1
  call unit(15)               ! reserved unit
  call pagorg('')             ! a zero-length keyword
  call errmod('WARN', 'OFF')
  call setpag('USAL')         ! counted, not printed
  call errmod('WARN', 'ON')
  call zanfin
  call getlev(level)
  print '(a,i2)', ' level:', level
end program warnings
