#pragma once
// What sand and silt share: the earth-pressure coefficients of a friction
// angle, the static coefficients A and B, the wedge and flow-around
// resistance, and Coulomb's passive coefficient for a continuous wall.
namespace torven::py {

struct SandCoefficients {
    double phi = 0.0;    // radians
    double alpha = 0.0;  // phi / 2
    double beta = 0.0;   // pi / 4 + phi / 2
    double k0 = 0.0;
    double ka = 0.0;
    double kp = 0.0;
};

// `pi` is 3.1416 for sand and the equivalent depth, 4 atan(1) for silt.
SandCoefficients sandCoefficients(double phi, double pi);

// Static A and B at x/b.
double staticA(double xOverB);
double staticB(double xOverB);

struct SandResistance {
    double wedge = 0.0;       // pst
    double flowAround = 0.0;  // psd
};

// At depth d on a width b under the mean effective unit weight gammaAvg.
SandResistance sandResistance(const SandCoefficients& s, double gammaAvg, double d, double b);

// Coulomb's passive coefficient for a vertical wall, level ground and wall friction delta.
double coulombPassive(double phi, double delta);

}  // namespace torven::py
