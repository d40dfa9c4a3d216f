/* The few helpers of musl's src/internal/libm.h that its pow, exp, log and atan use, so that
   these build alike with any C library: here for the Linux and the Windows builds. */
#ifndef SAME_MATH_LIBM_H
#define SAME_MATH_LIBM_H

#include <float.h>
#include <math.h>
#include <stdint.h>

#include "same_math.h"

#define hidden
#define WANT_ROUNDING 1
#define TOINT_INTRINSICS 0
#define WANT_SNAN 0
#define issignaling_inline(x) 0

#ifdef __GNUC__
#define predict_true(x) __builtin_expect(!!(x), 1)
#define predict_false(x) __builtin_expect(x, 0)
#else
#define predict_true(x) (x)
#define predict_false(x) (x)
#endif

static inline double eval_as_double(double x)
{
	double y = x;
	return y;
}

static inline double fp_barrier(double x)
{
	volatile double y = x;
	return y;
}

static inline void fp_force_eval(double x)
{
	volatile double y;
	y = x;
	(void)y;
}

#define asuint64(f) ((union{double _f; uint64_t _i;}){f})._i
#define asdouble(i) ((union{uint64_t _i; double _f;}){i})._f

/* Only a float is ever forced (atan's underflow of a tiny argument). */
static inline void fp_force_evalf(float x)
{
	volatile float y;
	y = x;
	(void)y;
}
#define FORCE_EVAL(x) fp_force_evalf(x)

#define GET_HIGH_WORD(hi, d) do { (hi) = asuint64(d) >> 32; } while (0)

double same_math_oflow(uint32_t);
double same_math_uflow(uint32_t);
double same_math_xflow(uint32_t, double);
double same_math_invalid(double);
double same_math_divzero(uint32_t);

#endif
