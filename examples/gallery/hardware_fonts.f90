! Gallery: the 35 standard PostScript fonts as hardware text, with text
! justified against a line, framed and turned.  Written as PDF (two pages),
! PostScript, SVG and as a true-colour PNG drawn from the installed
! outlines of the same fonts.
program hardware_fonts
  use zantor
  implicit none
  character(len=4) :: formats(4) = ['PDF ', 'PS  ', 'SVG ', 'PNG ']
  character(len=3) :: exts(4) = ['pdf', 'ps ', 'svg', 'png']
  integer :: j

  do j = 1, 4
    call metafl(formats(j))
    call setfil('hardware_fonts.' // trim(exts(j)))
    call filmod('DELE')
    if (j == 4) then
      call imgfmt('RGB')
      call scrmod('REVERS')
    end if
    call zanini
    call errmod('PROT', 'OFF')
    call specimen
    if (j <= 2) then
      call newpag
      call layout
    end if
    call zanfin
  end do

contains

  subroutine specimen
    character(len=28) :: fonts(35) = [character(len=28) :: &
      'Times-Roman', 'Times-Bold', 'Times-Italic', 'Times-BoldItalic', &
      'Helvetica', 'Helvetica-Bold', 'Helvetica-Oblique', 'Helvetica-BoldOblique', &
      'Helvetica-Narrow', 'Helvetica-Narrow-Bold', 'Helvetica-Narrow-Oblique', &
      'Helvetica-Narrow-BoldOblique', 'NewCenturySchlbk-Roman', 'NewCenturySchlbk-Italic', &
      'NewCenturySchlbk-Bold', 'NewCenturySchlbk-BoldItalic', 'ZapfChancery-MediumItalic', &
      'ZapfDingbats', 'Courier', 'Courier-Bold', 'Courier-Oblique', 'Courier-BoldOblique', &
      'AvantGarde-Book', 'AvantGarde-Demi', 'AvantGarde-BookOblique', &
      'AvantGarde-DemiOblique', 'Bookman-Light', 'Bookman-LightItalic', 'Bookman-Demi', &
      'Bookman-DemiItalic', 'Palatino-Roman', 'Palatino-Italic', 'Palatino-Bold', &
      'Palatino-BoldItalic', 'Symbol']
    integer :: k, x, y

    call hwfont
    call height(50)
    call messag('The 35 standard fonts as hardware text', 150, 80)
    call height(30)
    do k = 1, 35
      x = 150 + ((k - 1) / 18) * 1400
      y = 200 + mod(k - 1, 18) * 100
      call psfont('Helvetica')
      call messag(trim(fonts(k)), x, y)
      call psfont(trim(fonts(k)))
      call messag('Quick brown fox 0123', x + 560, y)
    end do
  end subroutine specimen

  subroutine layout
    integer :: i
    call psfont('Times-Roman')
    call height(50)
    call messag('Justified, framed and turned hardware text', 150, 80)
    call height(60)
    call line(1400, 250, 1400, 750)
    call txtjus('RIGH')
    call messag('ends at the line', 1400, 300)
    call txtjus('CENT')
    call messag('centred on the line', 1400, 450)
    call txtjus('LEFT')
    call messag('starts at the line', 1400, 600)
    call frmess(3)
    call psfont('Palatino-Italic')
    call messag('A framed message in Palatino', 300, 900)
    call frmess(0)
    call psfont('Helvetica')
    call height(45)
    do i = 0, 5
      call angle(i * 30)
      call messag('turned text', 2200, 1500)
    end do
    call angle(0)
    call mixalf
    call psfont('NewCenturySchlbk-Roman')
    call messag('Exponents: x[2]$ + y[2]$ = r[2]$', 300, 1150)
  end subroutine layout
end program hardware_fonts
