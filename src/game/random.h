#pragma once

#include <QtGlobal>

// A whole random number from low to high inclusive. Every call mixes the time of
// day into the generator, so draws differ from one moment to the next.
qint16 zz(qint16 low, qint16 high);
