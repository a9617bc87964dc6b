! Gallery: a specimen of every stroke and outline font with its six
! alphabets, then a page of text features (exponents, angles,
! justification, numbers).  One PostScript and PDF page per font, and PNG and SVG pages
! of the default font.
program fonts
  use zantor
  implicit none
  character(len=6) :: names(10) = ['zanalf', 'complx', 'simplx', 'duplx ', 'triplx', &
                                   'gothic', 'helve ', 'helves', 'helvet', 'serif ']
  character(len=4) :: docs(2) = ['PS  ', 'PDF '], singles(2) = ['PNG ', 'SVG ']
  character(len=3) :: exts(4) = ['ps ', 'pdf', 'png', 'svg']
  integer :: j, k

  do j = 1, 2
    call metafl(docs(j))
    call setfil('fonts.' // trim(exts(j)))
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    do k = 1, 10
      if (k > 1) call newpag
      call specimen(names(k))
    end do
    call newpag
    call features
    call zanfin
  end do

  do j = 1, 2
    call metafl(singles(j))
    call setfil('fonts.' // trim(exts(j + 2)))
    call zanini
    call errmod('PROT', 'OFF')
    call specimen('zanalf')
    call zanfin
  end do

contains

  subroutine select_font(name)
    character(len=*), intent(in) :: name
    select case (trim(name))
    case ('zanalf'); call zanalf
    case ('complx'); call complx
    case ('simplx'); call simplx
    case ('duplx'); call duplx
    case ('triplx'); call triplx
    case ('gothic'); call gothic
    case ('helve'); call helve
    case ('helves'); call helves
    case ('helvet'); call helvet
    case ('serif'); call serif
    end select
  end subroutine select_font

  subroutine specimen(name)
    character(len=*), intent(in) :: name
    character(len=4) :: alphabets(6) = ['STAN', 'GREE', 'MATH', 'ITAL', 'SCRI', 'RUSS']
    character(len=12) :: titles(6) = ['Standard    ', 'Greek       ', 'Mathematical', &
                                      'Italic      ', 'Script      ', 'Cyrillic    ']
    integer :: i, y

    call select_font(name)
    call shdcha
    call basalf('STAN')
    call height(70)
    call messag('Font ' // trim(name), 150, 100)
    do i = 1, 6
      y = 330 + (i - 1) * 290
      call basalf('STAN')
      call height(30)
      call messag(trim(titles(i)), 150, y - 60)
      call basalf(alphabets(i))
      call height(55)
      call messag('ABCDEFGHIJKLMNOPQRSTUVWXYZ', 150, y)
      call messag('abcdefghijklmnopqrstuvwxyz 0123456789', 150, y + 100)
    end do
    call basalf('STAN')
  end subroutine specimen

  subroutine features
    integer :: i
    call zanalf
    call height(60)
    call messag('Text features', 150, 100)
    call height(50)
    call mixalf
    call messag('Exponents and indices: x[2]$ + y[3]$ = z[2]$,  a]i,j$ b]k$', 150, 300)
    call messag('E = mc[2]$   10[-3]$ m', 150, 420)
    call complx
    call messag('The complex font: integrals, sums and fine serifs', 150, 560)
    call zanalf
    do i = 0, 5
      call angle(i * 15)
      call messag('angle', 1900, 1500)
    end do
    call angle(0)
    call txtjus('LEFT')
    call messag('left', 1000, 800)
    call txtjus('CENT')
    call messag('centred', 1000, 900)
    call txtjus('RIGH')
    call messag('right', 1000, 1000)
    call txtjus('LEFT')
    call line(1000, 780, 1000, 1080)
    call number(3.14159, 3, 150, 1200)
    call number(-0.5, 1, 150, 1300)
    call number(1234567.5, 1, 150, 1400)
  end subroutine features
end program fonts
