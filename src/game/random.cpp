#include "random.h"

#include "errors/errorscope.h"
#include "frame/clock.h"

#include <QRandomGenerator>

#include <bit>
#include <cmath>

qint16 zz(qint16 low, qint16 high)
{
    static QRandomGenerator generator;
    qint16 result = 0;
    ErrorScope::run(modules::Allgemein, "zz", [&] {
        const float seconds = services::clock().secondsSinceMidnight();
        // Re-seed from the clock, mixed with the generator's own state so that two
        // draws within one tick of the clock still differ.
        generator.seed(std::bit_cast<quint32>(seconds) ^ generator.generate());
        const auto r = static_cast<float>(generator.generateDouble());
        const float value =
            std::floor(static_cast<float>(low) + (high - low + 1) * std::min(r, 0.99999994f));
        result = toInt16(static_cast<qint64>(value));
    });
    return result;
}
