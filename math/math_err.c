/* musl's __math_oflow, __math_uflow, __math_xflow, __math_invalid and __math_divzero, renamed. */
#include "libm.h"

double same_math_xflow(uint32_t sign, double y)
{
	return eval_as_double(fp_barrier(sign ? -y : y) * y);
}

double same_math_oflow(uint32_t sign)
{
	return same_math_xflow(sign, 0x1p769);
}

double same_math_uflow(uint32_t sign)
{
	return same_math_xflow(sign, 0x1p-767);
}

double same_math_invalid(double x)
{
	return (x - x) / (x - x);
}

double same_math_divzero(uint32_t sign)
{
	return fp_barrier(sign ? -1.0 : 1.0) / 0.0;
}
