#include "frameproject/solver/fixed_end_forces.h"

#include <cmath>

namespace frameproject::solver {

FixedEndResult FixedEndForces(double indField, double a, double q, double L, double EA, double EI)
{
    FixedEndResult result;
    EndForces& FO = result.FO;

    const double indPart = std::floor(indField);
    if (!(indPart >= 1 && indPart <= 12)) {
        result.status = FixedEndStatus::BadType;
        return result;
    }
    if (!(L > 0) || !std::isfinite(L)) {
        result.status = FixedEndStatus::BadLength;
        return result;
    }
    const int IND = static_cast<int>(indPart);
    int k = 0;
    if (IND >= 8 && IND <= 10) {
        const double codePart = std::floor(a);
        if (!(codePart >= 1 && codePart <= 6)) {
            result.status = FixedEndStatus::BadCode;
            return result;
        }
        k = static_cast<int>(codePart);
    }

    const double A = a;
    const double Q = q;
    const double c = A / L;
    const double b = L - A;
    const double d = b / L;

    switch (IND) {
    case 1:  // uniform transverse load over the first A
        FO[2] = -(Q * A / 2) * (2 - 2 * (c * c) + c * c * c);
        FO[5] = -(Q * A / 2) * (c * c) * (2 - c);
        FO[3] = (Q * (A * A) / 12) * (6 - 8 * c + 3 * (c * c));
        FO[6] = -(Q * (A * A) / 12) * c * (4 - 3 * c);
        break;
    case 2:  // transverse force at A
        FO[2] = -Q * (d * d) * (1 + 2 * c);
        FO[5] = -Q * (c * c) * (1 + 2 * d);
        FO[3] = Q * A * (d * d);
        FO[6] = -Q * b * (c * c);
        break;
    case 3:  // couple at A
        FO[2] = -6 * Q * c * d / L;
        FO[5] = -FO[2];
        FO[3] = Q * d * (2 - 3 * d);
        FO[6] = Q * c * (2 - 3 * c);
        break;
    case 4:  // transverse load rising from 0 to Q over the first A
        FO[2] = -(Q * A / 4) * (2 - 3 * (c * c) + 1.6 * (c * c * c));
        FO[5] = -(Q * A / 4) * (c * c) * (3 - 1.6 * c);
        FO[3] = (Q * (A * A) / 4) * (2 - 3 * c + 1.2 * (c * c)) / 1.5;
        FO[6] = -(Q * (A * A) / 4) * c * (1 - 0.8 * c);
        break;
    case 5:  // axial force at A
        FO[1] = -Q * b / L;
        FO[4] = -Q * c;
        break;
    case 6:  // uniform axial load over the first A
        FO[1] = -Q * A * (1 - 0.5 * c);
        FO[4] = -0.5 * Q * A * c;
        break;
    case 7:  // opposite transverse end forces with their end moments
        FO[2] = -Q * (c * c) * (c + 3 * d);
        FO[5] = -FO[2];
        FO[3] = -Q * A * (d * d);
        FO[6] = Q * b * (c * c);
        break;
    case 8: {  // end displacement along the element axis
        const double r = EA * Q / L;
        FO[k] = r;
        if (k == 1)
            FO[4] = -r;
        if (k == 4)
            FO[1] = -r;
        break;
    }
    case 9: {  // end displacement across the element axis
        const double r = EI * (12 * Q) / (L * L * L);
        FO[k] = r;
        if (k == 2)
            FO[5] = -FO[2];
        if (k == 5)
            FO[2] = -FO[5];
        FO[3] = 0.5 * L * FO[5];
        FO[6] = FO[3];
        break;
    }
    case 10: {  // end rotation
        const double r = EI * (2 * Q) / L;
        FO[k] = 2 * r;
        if (k == 3)
            FO[6] = r;
        if (k == 6)
            FO[3] = r;
        FO[5] = (3 * r) / L;
        FO[2] = -FO[5];
        break;
    }
    case 11:
        FO[1] = A * (EA * Q);
        FO[4] = -FO[1];
        break;
    case 12:
        FO[3] = A * (EI * 2 * Q);
        FO[6] = -FO[3];
        break;
    default:
        break;
    }
    return result;
}

}  // namespace frameproject::solver
