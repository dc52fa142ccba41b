// Coefficients of the specific Gibbs free energy g(T, x, P) of the solution,
// in J/g, with T in K, x the LiBr mass percentage and P in kPa. Each entry
// names the term of g it multiplies.
#pragma once

namespace kxv {

inline constexpr double a[41] = {
    5506.219979,       //  0: 1
    521.3228937,       //  1: x
    7.774930356,       //  2: x^2
    -0.04575233382,    //  3: x^3
    -579.2935726,      //  4: x^1.1
    145.2749674,       //  5: T
    -0.4984840771,     //  6: T x
    0.0883691918,      //  7: T x^2
    -0.0004870995781,  //  8: T x^3
    -2.905161205,      //  9: T x^1.1
    0.02648364473,     // 10: T^2
    -0.002311041091,   // 11: T^2 x
    7.55973662e-06,    // 12: T^2 x^2
    -3.763934193e-08,  // 13: T^2 x^3
    0.001176240649,    // 14: T^2 x^1.1
    -8.52651695e-06,   // 15: T^3
    1.320154794e-06,   // 16: T^3 x
    2.791995438e-11,   // 17: T^3 x^2
    -8.511514931e-07,  // 18: T^3 x^1.1
    -3.840447174e-11,  // 19: T^4
    2.625469387e-11,   // 20: T^4 x
    -51.59906276,      // 21: 1/(T - 220)
    1.114573398,       // 22: x/(T - 220)
    0.001176741611,    // 23: P
    -1.002511661e-05,  // 24: P x
    -1.695735875e-08,  // 25: P x^2
    -1.497186905e-06,  // 26: P T
    2.538176345e-08,   // 27: P T x
    5.815811591e-11,   // 28: P T x^2
    3.057997846e-09,   // 29: P T^2
    -5.129589007e-11,  // 30: P T^2 x
    -2183.429482,      // 31: ln T
    -126.6985094,      // 32: ln T x
    -2.364551372,      // 33: ln T x^2
    0.01389414858,     // 34: ln T x^3
    158.3405426,       // 35: ln T x^1.1
    -22.67095847,      // 36: T ln T
    0.2983764494,      // 37: T ln T x
    -0.01259393234,    // 38: T ln T x^2
    6.849632068e-05,   // 39: T ln T x^3
    0.2767986853,      // 40: T ln T x^1.1
};

// Kelvin offset of the Celsius scale.
inline constexpr double kKelvin = 273.15;
// Pole of the 1/(T - 220) group, K.
inline constexpr double kPole = 220.0;

}  // namespace kxv
