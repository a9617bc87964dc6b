! A Fortran program built against the installed library only.
program plot
  use zantor
  call metafl('POST')
  call setfil('f_plot.ps')
  call zanini
  call pagera
  call messag('installed', 40, 10)
  call zanfin
end program plot
