! Gallery: more chart types.  A polar plot whose curve runs beyond the
! frame and is cut at the circle, a wind rose of labelled polar bars, a 3D
! pie whose segments a user routine (mypie) colours and pulls out, and 3D
! bars standing in a 3D axis system, as PostScript and as PNG.
program chart_extras
  use zantor
  implicit none
  character(len=4) :: formats(2) = ['PS  ', 'PNG ']
  integer :: k

  do k = 1, 2
    call metafl(formats(k))
    if (k == 1) call setfil('chart_extras.ps')
    if (k == 2) call setfil('chart_extras.png')
    call filmod('DELE')
    call zanini
    call errmod('PROT', 'OFF')
    call draw_page
    call zanfin
  end do

contains

  subroutine panel(nx, ny, nw, nh)
    integer, intent(in) :: nx, ny, nw, nh
    call axspos(nx, ny)
    call axslen(nw, nh)
    call height(26)
    call hname(30)
    call htitle(34)
  end subroutine panel

  subroutine draw_page
    real :: r(721), t(721), wx(12), wy1(12), wy2(12), pie(6) = [30., 12., 22., 8., 18., 10.]
    real :: bx(12), by(12), bz1(12), bz2(12), bw(12)
    integer :: ic(12), i, j, k
    character(len=60) :: cbuf

    ! A spiral beyond the frame: circular clipping (the default clpmod
    ! for polar systems) cuts it at the frame circle.
    call panel(250, 1000, 650, 650)
    call titlin('Spiral cut at the frame', 1)
    call grafp(4.0, 0.0, 1.0, 0.0, 45.0)
    call title
    do i = 1, 721
      t(i) = (i - 1) * 3.14159265 / 90.0
      r(i) = 0.4 * t(i)
    end do
    call nochek
    call color('RED')
    call thkcrv(3)
    call curve(r, t, 721)
    call thkcrv(1)
    call color('FORE')
    call endgrf

    ! A wind rose: polar bars with their values beyond the bar ends.
    call panel(1150, 1000, 650, 650)
    call titlin('Wind rose with labels', 1)
    call polmod('TOP', 'CLOC')
    call grafp(10.0, 0.0, 2.0, 0.0, 30.0)
    call title
    call dot
    call grid(1, 1)
    call solid
    do i = 1, 12
      wx(i) = (i - 1) * 3.14159265 / 6.0
      wy1(i) = 0.0
      wy2(i) = 2.0 + mod(i * 7, 11) * 0.6
    end do
    call shdpat(16)
    call color('CYAN')
    call barwth(0.7)
    call labels('SECO', 'BARS')
    call labpos('OUTS', 'BARS')
    call labdig(1, 'BARS')
    call height(20)
    call labclr(intrgb(0.9, 0.35, 0.1), 'BARS')
    call bars(wx, wy1, wy2, 12)
    call labels('NONE', 'BARS')
    call labclr(-1, 'BARS')
    call barwth(0.75)
    call color('FORE')
    call shdpat(0)
    call polmod('RIGH', 'ANTI')
    call endgrf

    ! A 3D pie; the routine mypie below chooses the colours and pulls the
    ! largest segment out.
    call panel(2100, 1000, 700, 650)
    call titlin('3D pie from a user routine', 1)
    call pietyp('3D')
    call pieopt(0.25, 40.0)
    call shdpat(16)
    call labels('PERC', 'PIE')
    call labpos('EXTE', 'PIE')
    call height(22)
    cbuf = 'Coal/Gas/Wind/Water/Sun/Other'
    call piegrf(cbuf, 1, pie, 6)
    call title
    call endgrf
    call pietyp('2D')
    call shdpat(0)

    ! 3D bars: a 4 x 3 field of boxes coloured by height.
    call panel(600, 2000, 1800, 850)
    call name('X', 'X')
    call name('Y', 'Y')
    call name('Z', 'Z')
    call view3d(-6.0, -9.0, 6.0, 'ABS ')
    call graf3d(0.0, 5.0, 0.0, 1.0, 0.0, 4.0, 0.0, 1.0, 0.0, 10.0, 0.0, 2.0)
    call shdpat(16)
    do j = 1, 3
      do i = 1, 4
        k = i + (j - 1) * 4
        bx(k) = i
        by(k) = j
        bz1(k) = 0.0
        bz2(k) = 2.0 + mod(i * 3 + j * 5, 7)
        bw(k) = 0.6
        ic(k) = intrgb(0.2 + 0.08 * bz2(k), 0.45, 1.0 - 0.08 * bz2(k))
      end do
    end do
    call box3d
    call bars3d(bx, by, bz1, bz2, bw, bw, ic, 12)
    call shdpat(0)
    call endgrf
  end subroutine draw_page

end program chart_extras

! Called by the library for every pie segment before it is drawn: a
! colour of our own for each, and the largest segment pulled out.
subroutine mypie(iseg, xdat, xper, nclr, npat, noff, iann)
  implicit none
  integer, intent(in) :: iseg
  real, intent(in) :: xdat, xper
  integer, intent(inout) :: nclr, npat, noff, iann
  integer, external :: intrgb
  nclr = intrgb(0.15 + 0.13 * iseg, 0.35 + 0.05 * iseg, 0.85 - 0.1 * iseg)
  npat = 16
  if (xper >= 29.0) noff = 40
  iann = 1
  if (xdat < 0.0) noff = 0
end subroutine mypie
