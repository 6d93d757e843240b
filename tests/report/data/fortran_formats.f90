! Reference texts of the Fortran edit descriptors that report/fortran_format reproduces, as
! gfortran's formatted WRITE renders them. regenerate.sh compiles and runs this program and
! keeps its output in fortran_formats.txt; the C++ tests compare every line with their own text.
!
! Output lines:
!   I <descriptor> <integer> [<field>]      integer edit descriptor, value, rendered field
!   R <descriptor> <bits> [<field>]         real edit descriptor, the double as 16 hex digits
!                                           of its bit pattern, rendered field
!   L <W> <A bits> <B bits> <C bits>        number-writer limits for width W: 10.0**(W-3) - 1,
!                                           10.0**(9-W), 10.0**(7-W) in default real, widened
!   X <name>                                the next line is a whole record, exactly as written
program fortran_formats
  use, intrinsic :: iso_fortran_env, only: int64, real32, real64, compiler_version
  use, intrinsic :: ieee_arithmetic, only: ieee_value, ieee_quiet_nan, ieee_positive_inf, &
                                           ieee_negative_inf, ieee_next_after, ieee_copy_sign
  implicit none
  integer, parameter :: max_descriptors = 100, max_values = 200, first_w = 9, last_w = 16
  character(len=8) :: descriptors(max_descriptors)
  real(real64) :: values(max_values), boundaries(12)
  integer(int64) :: integers(23)
  character(len=8) :: integer_descriptors(10)
  character(len=8) :: w_forms(5)
  integer :: n_descriptors, n_values, i, j, w
  real(real32) :: a, b, c

  write(*, '(2A)') '# ', compiler_version()

  ! ---- integers ------------------------------------------------------------------------
  integer_descriptors = [character(len=8) :: 'I0', 'I1', 'I2', 'I3', 'I5', 'I7', 'I10', 'I14', &
                         'I16', 'I20']
  integers = [0_int64, 1_int64, -1_int64, 7_int64, -7_int64, 42_int64, 99_int64, -99_int64, &
              100_int64, -100_int64, 501_int64, 999_int64, -999_int64, 1000_int64, 12345_int64, &
              -12345_int64, 99999_int64, 100000_int64, -1234567_int64, 2147483647_int64, &
              -2147483648_int64, huge(1_int64), -huge(1_int64) - 1_int64]
  do i = 1, size(integer_descriptors)
    do j = 1, size(integers)
      call emit_integer(trim(integer_descriptors(i)), integers(j))
    end do
  end do

  ! ---- reals: descriptors ----------------------------------------------------------------
  n_descriptors = 0
  call add_descriptor('F1.0')
  call add_descriptor('F2.0')
  call add_descriptor('F3.0')
  call add_descriptor('F3.1')
  call add_descriptor('F4.1')
  call add_descriptor('F4.3')
  call add_descriptor('F5.2')
  call add_descriptor('F5.3')
  call add_descriptor('F6.3')
  call add_descriptor('F8.4')
  call add_descriptor('F10.4')
  call add_descriptor('F15.8')
  call add_descriptor('F20.5')
  call add_descriptor('F40.2')
  call add_descriptor('E3.1')
  call add_descriptor('E7.1')
  call add_descriptor('E8.1')
  call add_descriptor('E9.4')
  call add_descriptor('E10.4')
  call add_descriptor('E12.4')
  call add_descriptor('E15.7')
  call add_descriptor('E20.13')
  call add_descriptor('E25.17')
  ! the forms of the report's number writer for field widths W
  do w = first_w, last_w
    call number_writer_forms(w, w_forms)
    do i = 1, size(w_forms)
      call add_descriptor(trim(w_forms(i)))
    end do
  end do

  ! ---- reals: values ---------------------------------------------------------------------
  n_values = 0
  call add_value(0.0_real64)
  call add_value(ieee_copy_sign(0.0_real64, -1.0_real64))
  call add_value(1.0_real64)
  call add_value(-1.0_real64)
  call add_value(0.5_real64)
  call add_value(-0.5_real64)
  ! ties, exact in binary: the rounding rule decides them
  call add_value(0.125_real64)
  call add_value(0.375_real64)
  call add_value(-0.375_real64)
  call add_value(2.5_real64)
  call add_value(3.5_real64)
  call add_value(-2.5_real64)
  call add_value(0.03125_real64)
  call add_value(1.0625_real64)
  call add_value(1.1875_real64)
  call add_value(9.5_real64)
  call add_value(99.5_real64)
  call add_value(999.5_real64)
  call add_value(1234.5_real64)
  call add_value(99999.5_real64)
  call add_value(9999999.5_real64)
  ! near ties that are not exact in binary
  call add_value(0.15_real64)
  call add_value(0.45_real64)
  call add_value(2.675_real64)
  ! carries into a new digit or a new exponent
  call add_value(0.99999999_real64)
  call add_value(-0.99999999_real64)
  call add_value(9.99999999_real64)
  call add_value(99.99999999_real64)
  call add_value(9.99999999e99_real64)
  call add_value(9.99999999e-100_real64)
  call add_value(0.99999999e-99_real64)
  ! ordinary values
  call add_value(2.0_real64 / 3.0_real64)
  call add_value(-1.0_real64 / 3.0_real64)
  call add_value(3.141592653589793_real64)
  call add_value(7.0_real64)
  call add_value(100.0_real64)
  call add_value(123.456_real64)
  call add_value(-123.456_real64)
  call add_value(0.0005_real64)
  call add_value(-0.0005_real64)
  call add_value(1.0e-5_real64)
  call add_value(-1.0e-5_real64)
  call add_value(10000.0_real64)
  call add_value(-10000.0_real64)
  call add_value(ieee_next_after(10000.0_real64, 1.0e300_real64))
  call add_value(10000.4_real64)
  call add_value(12345.678_real64)
  call add_value(-98765.4321_real64)
  call add_value(1.5e10_real64)
  call add_value(1.0e15_real64)
  call add_value(-1.0e15_real64)
  call add_value(1.0e22_real64)
  ! thresholds of the number writer's zero
  call add_value(1.0e-12_real64)
  call add_value(9.9e-13_real64)
  call add_value(-5.0e-13_real64)
  call add_value(1.0e-26_real64)
  ! exponents of two and three digits, and the ends of the double range
  call add_value(1.234e99_real64)
  call add_value(1.234e100_real64)
  call add_value(-1.234e100_real64)
  call add_value(-1.234e-100_real64)
  call add_value(1.0e-99_real64)
  call add_value(1.0e-300_real64)
  call add_value(huge(1.0_real64))
  call add_value(-huge(1.0_real64))
  call add_value(tiny(1.0_real64))
  call add_value(transfer(1_int64, 1.0_real64))            ! smallest denormal
  call add_value(-transfer(12345678_int64, 1.0_real64))    ! a negative denormal
  call add_value(ieee_value(1.0_real64, ieee_quiet_nan))
  call add_value(ieee_value(1.0_real64, ieee_positive_inf))
  call add_value(ieee_value(1.0_real64, ieee_negative_inf))

  do i = 1, n_descriptors
    do j = 1, n_values
      call emit_real(trim(descriptors(i)), values(j))
    end do
  end do

  ! ---- number-writer limits and the values at and beside them ----------------------------
  do w = first_w, last_w
    a = 10.0_real32**(w - 3) - 1.0_real32
    b = 10.0_real32**(9 - w)
    c = 10.0_real32**(7 - w)
    write(*, '(A,1X,I0,3(1X,Z16.16))') 'L', w, transfer(real(a, real64), 0_int64), &
        transfer(real(b, real64), 0_int64), transfer(real(c, real64), 0_int64)
    boundaries(1) = real(a, real64)
    boundaries(2) = ieee_next_after(real(a, real64), 1.0e300_real64)
    boundaries(3) = real(b, real64)
    boundaries(4) = ieee_next_after(real(b, real64), 1.0e300_real64)
    boundaries(5) = real(c, real64)
    boundaries(6) = ieee_next_after(real(c, real64), 0.0_real64)
    boundaries(7:12) = -boundaries(1:6)
    call number_writer_forms(w, w_forms)
    do i = 1, size(w_forms)
      do j = 1, size(boundaries)
        call emit_real(trim(w_forms(i)), boundaries(j))
      end do
    end do
  end do

  ! ---- whole records: plot records and the tab and skip rules ----------------------------
  write(*, '(A)') 'X line_1'
  write(*, '(4I5, 60X, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F")') &
      3, 1, 0, 1
  write(*, '(A)') 'X line_4'
  write(*, '(I5, 10X, 2E15.7, T81, A, I0)') 37, 1234.5_real64, -9.87654321e-3_real64, &
      'Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section ', 2
  write(*, '(A)') 'X line_5'
  write(*, '(3E15.7, T81, A, I0, A, I0, A, I0)') -4.5e3_real64, 1.25e10_real64, 0.0_real64, &
      'Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=', 1, ', AxLd#=', 12, &
      ', CurvPnt#=', 150
  write(*, '(A)') 'X line_10'
  write(*, '(6E15.7, T92, "Line 10(", I3, "): nodal depth, y, M, V, p, EI")') 600.0_real64, &
      -1.0e-3_real64, 1.5e120_real64, -2.5e-120_real64, 0.0_real64, 0.99999999_real64, 501
  write(*, '(A)') 'X line_8_liquefied_sand'
  write(*, '(2E15.7, 20X, "Line 8(", I2, "): y, p, for liquefied sand")') 0.25_real64, -12.5_real64, 7
  write(*, '(A)') 'X tab_back_overwrites'
  write(*, '(A, T3, A)') 'abcdefgh', 'XY'
  write(*, '(A)') 'X tab_back_keeps_the_rest'
  write(*, '(A, T2, A)') 'abcdef', 'Z'
  write(*, '(A)') 'X tab_back_then_skip'
  write(*, '(A, T2, 2X, A)') 'abcdef', 'Z'
  write(*, '(A)') 'X tab_forward_pads_with_blanks'
  write(*, '(A, T10, A)') 'ab', 'c'
  write(*, '(A)') 'X trailing_skip_adds_nothing'
  write(*, '(I3, 5X)') 7
  write(*, '(A)') 'X trailing_tab_adds_nothing'
  write(*, '(I3, T20)') 7
  write(*, '(A)') 'X fields_that_overflow'
  write(*, '(I3, F5.1, E8.1, F3.0)') 1234, -123.45_real64, 1.0e10_real64, -0.4_real64

contains

  subroutine add_descriptor(descriptor)
    character(len=*), intent(in) :: descriptor
    integer :: k
    do k = 1, n_descriptors
      if (descriptors(k) == descriptor) return
    end do
    n_descriptors = n_descriptors + 1
    descriptors(n_descriptors) = descriptor
  end subroutine add_descriptor

  subroutine add_value(value)
    real(real64), intent(in) :: value
    n_values = n_values + 1
    values(n_values) = value
  end subroutine add_value

  ! The five forms of the number writer for width W: zero, exponent, no decimals,
  ! W-7 decimals, W-5 decimals, all in W-1 columns.
  subroutine number_writer_forms(width, forms)
    integer, intent(in) :: width
    character(len=8), intent(out) :: forms(5)
    write(forms(1), '(A,I0,A,I0)') 'F', width - 1, '.', width - 8
    write(forms(2), '(A,I0,A,I0)') 'E', width - 1, '.', width - 8
    write(forms(3), '(A,I0,A)') 'F', width - 1, '.0'
    write(forms(4), '(A,I0,A,I0)') 'F', width - 1, '.', width - 7
    write(forms(5), '(A,I0,A,I0)') 'F', width - 1, '.', width - 5
  end subroutine number_writer_forms

  subroutine emit_real(descriptor, value)
    character(len=*), intent(in) :: descriptor
    real(real64), intent(in) :: value
    character(len=200) :: field
    write(field, '(A,' // descriptor // ',A)') '[', value, ']'
    write(*, '(A,1X,A,1X,Z16.16,1X,A)') 'R', descriptor, transfer(value, 0_int64), trim(field)
  end subroutine emit_real

  subroutine emit_integer(descriptor, value)
    character(len=*), intent(in) :: descriptor
    integer(int64), intent(in) :: value
    character(len=200) :: field
    write(field, '(A,' // descriptor // ',A)') '[', value, ']'
    write(*, '(A,1X,A,1X,I0,1X,A)') 'I', descriptor, value, trim(field)
  end subroutine emit_integer

end program fortran_formats
