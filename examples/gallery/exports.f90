! Gallery: the same page (an axis system with two curves, a filled and a
! hatched box and a title) as GIF, transparent true-colour GIF, TIFF, CGM,
! WMF, EMF, HPGL and HPGL on an A4 sheet.
program exports
  use zantor
  implicit none
  character(len=4) :: formats(8) = ['GIF ', 'GIF ', 'TIFF', 'CGM ', 'WMF ', 'HPGL', 'HPA4', 'EMF ']
  character(len=16) :: files(8) = ['exports.gif     ', 'exports_rgb.gif ', 'exports.tif     ', &
                                   'exports.cgm     ', 'exports.wmf     ', 'exports.hpg     ', &
                                   'exports_a4.hpg  ', 'exports.emf     ']
  integer :: k

  do k = 1, 8
    call metafl(formats(k))
    call setfil(trim(files(k)))
    call filmod('DELE')
    if (k == 2) then
      call imgfmt('RGB')
      call gifmod('ON', 'TRAN')
    else
      call imgfmt('INDE')
      call gifmod('OFF', 'TRAN')
    end if
    if (k <= 3) call scrmod('REVERS')
    if (k > 3) call scrmod('AUTO')
    if (k == 3) call tifmod(150, 'INCH', 'RESO')
    if (k == 4) call cgmpic('Exports gallery page')
    if (k == 5) call wmfmod('PLAC', 'FORM')
    if (k == 6) call hpgmod('ON', 'INIT')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page(formats(k))
    call zanfin
  end do

contains

  subroutine draw_page(cfmt)
    character(len=4), intent(in) :: cfmt
    integer, parameter :: n = 200
    real :: x(n), y1(n), y2(n)
    integer :: i

    do i = 1, n
      x(i) = (i - 1) * 10.0 / (n - 1)
      y1(i) = sin(x(i))
      y2(i) = 0.6 * cos(1.5 * x(i)) * exp(-0.1 * x(i))
    end do
    call pagera
    call height(40)
    call messag('One page as ' // cfmt, 200, 150)
    call axspos(400, 1700)
    call axslen(2000, 1200)
    call name('x', 'X')
    call name('f(x)', 'Y')
    call graf(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5)
    call color('RED')
    call curve(x, y1, n)
    call color('BLUE')
    call curve(x, y2, n)
    call color('FORE')
    call endgrf
    call shdpat(16)
    call color('GREE')
    call rectan(2500, 500, 300, 200)
    call shdpat(5)
    call color('ORAN')
    call rectan(2500, 800, 300, 200)
    call shdpat(0)
    call color('FORE')
    call rectan(2500, 800, 300, 200)
  end subroutine draw_page
end program exports
