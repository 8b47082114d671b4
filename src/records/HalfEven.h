#pragma once

// numerator / denominator rounded to the nearest whole number, a half going to the even one:
// the rounding of every amount worked out from a rate. The denominator is positive.
template <typename T> T DivideHalfEven(T numerator, T denominator)
{
    T quotient = numerator / denominator;
    T remainder = numerator % denominator;
    if (remainder < 0) {
        // Floor division, so that a half is judged the same way either side of zero.
        remainder += denominator;
        quotient -= 1;
    }
    const T twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}
