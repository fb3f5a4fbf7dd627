#pragma once

#include <QString>

// A load or constraint position text turned into millimetres: its reference end and
// one or two distances from it (a missing second distance reads as 0).
struct Position_Mm {
    QString reference;
    double first = 0;
    double second = 0;
};

Position_Mm Position_In_mm(const QString& position_text);

// The distance from the left end of a beam of length_mm: measured from the right end
// for "RHT", as it stands for any other reference.
double From_Left(const QString& reference, double distance, double length_mm);

// The position as the input file carries it: written as 15-digit decimal text and read
// back. Two positions are the same place exactly when their rounded values are equal.
double Text_Rounded(double x);
