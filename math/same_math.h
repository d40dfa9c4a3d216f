/* pow, exp, log, atan, expm1 and log1p, the same bits on every platform: musl 1.2.3's (from Debian's source
   package musl 1.2.3-1, MIT licence, see COPYRIGHT), which are the algorithms of glibc's,
   built here from the same source for Linux and for Windows, whose C libraries round
   differently. Nothing else of musl is here. */
#ifndef SAME_MATH_H
#define SAME_MATH_H

#ifdef __cplusplus
extern "C" {
#endif

double same_pow(double x, double y);
double same_exp(double x);
double same_log(double x);
double same_atan(double x);
double same_expm1(double x); /* e^x − 1 without cancellation near 0 */
double same_log1p(double x); /* ln(1 + x) without cancellation near 0 */

#ifdef __cplusplus
}
#endif

#endif
