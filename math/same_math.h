/* pow, exp, log and atan, the same bits on every platform: musl 1.2.3's (from Debian's source
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

#ifdef __cplusplus
}
#endif

#endif
