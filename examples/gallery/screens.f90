! Gallery: the screen.  A plot in a window of its own, and a dialog with
! labels, a text field, a list, a scale, a toggle, a table, a progress bar
! and a drawing area showing a plot; both photographed from the X display
! (the gallery runs this program on a private virtual screen).
program screens
  use zantor
  implicit none
  integer, parameter :: n = 200
  real :: x(n), y(n)
  integer :: i

  do i = 1, n
    x(i) = real(i - 1) * 10.0 / real(n - 1)
    y(i) = sin(x(i)) * exp(-x(i) / 6.0)
  end do

  call plot_window
  call dialog

contains

  subroutine curve_plot(heading)
    character(len=*), intent(in) :: heading
    call errmod('PROT', 'OFF')
    call pagera
    call complx
    call name('Time t', 'X')
    call name('Amplitude', 'Y')
    call titlin(heading, 2)
    call graf(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5)
    call title
    call color('RED')
    call thkcrv(3)
    call curve(x, y, n)
    call color('FORE')
  end subroutine curve_plot

  ! Takes a picture of the screen's upper left corner.
  subroutine photograph(file, nw, nh)
    character(len=*), intent(in) :: file
    integer, intent(in) :: nw, nh
    character(len=16) :: size
    integer :: rc
    write (size, '(I0,"x",I0,"+0+0")') nw, nh
    call execute_command_line('import -window root -crop ' // trim(size) // ' ' // file, &
                              exitstat=rc)
    if (rc /= 0) stop 1
  end subroutine photograph

  ! A plot on the window device; the picture is taken before zanfin
  ! closes the window.
  subroutine plot_window
    call metafl('XWIN')
    call window(0, 0, 700, 495)
    call winmod('NONE')
    call zanini
    call curve_plot('A plot window')
    call sendbf
    call photograph('screen-window.png', 700, 495)
    call zanfin
  end subroutine plot_window

  ! A dialog whose drawing area receives a plot through setxid.
  subroutine dialog
    integer :: top, left, right, id, idraw, itab, ibar, r, c
    call swgtit('Dialog')
    call swgwin(0, 0, 830, 415)
    call swgspc(1.0, 0.5)
    call wgini('HORI', top)
    call wgbas(top, 'VERT', left)
    call wgbas(top, 'VERT', right)
    call wglab(left, 'Run settings', id)
    call wgltxt(left, 'Name', 'damped sine', 50, id)
    call wglis(left, 'Linear|Logarithmic|Polar', 1, id)
    call wgscl(left, 'Damping', 0.0, 10.0, 6.0, 1, id)
    call wgbut(left, 'Show markers', 1, id)
    call wgtbl(left, 3, 2, itab)
    do r = 1, 3
      do c = 1, 2
        call swgtbf(itab, real(r) * 0.5 + real(c), 2, r, c)
      end do
    end do
    call wgpbar(left, 0.0, 100.0, 10.0, ibar)
    call swgval(ibar, 60.0)
    call wgok(left, id)
    call swgdrw(0.7071)
    call swgwth(-40)
    call wgdraw(right, idraw)
    call reawgt
    call doevnt
    call setxid(idraw, 'WIDGET')
    call metafl('XWIN')
    call zanini
    call curve_plot('A plot in a dialog')
    call zanfin
    call doevnt
    call photograph('screen-dialog.png', 830, 415)
    call sendok
    call wgfin
  end subroutine dialog

end program screens
