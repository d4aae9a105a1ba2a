#include "soundfont.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace soundfont {

namespace {

quint32 littleEndian(QByteArrayView bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

void putLittleEndian(QByteArray& bytes, qsizetype at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

QByteArray littleEndianBytes(quint32 value, int width)
{
    QByteArray bytes(width, '\0');
    putLittleEndian(bytes, 0, value, width);
    return bytes;
}

constexpr qint64 kLargestHydra = 32 * 1024 * 1024; // the preset, instrument and sample tables

constexpr qsizetype kPresetSize = 38;
constexpr qsizetype kInstrumentSize = 22;
constexpr qsizetype kSampleSize = 46;
constexpr qsizetype kBagSize = 4;
constexpr qsizetype kModulatorSize = 10;
constexpr qsizetype kGeneratorSize = 4;

constexpr int kProgramAt = 20;       // in a preset header
constexpr int kBankAt = 22;          // in a preset header
constexpr int kPresetBagAt = 24;     // in a preset header
constexpr int kInstrumentBagAt = 20; // in an instrument header
constexpr int kInstrumentGenerator = 41;
constexpr int kKeyRangeGenerator = 43;
constexpr int kSampleGenerator = 53;
constexpr int kSampleStartAt = 20; // start, end, loop start and loop end follow
constexpr int kSampleLinkAt = 42;
constexpr int kSampleTypeAt = 44;
constexpr quint32 kLinkedTypes = 2 | 4 | 8; // right, left and linked samples
constexpr quint32 kCompressed = 0x10;       // SoundFont 3: positions count bytes, not points
constexpr quint32 kInRom = 0x8000;          // the positions are in a ROM, not in the file
constexpr quint32 kGuardPoints = 46;        // that follow every sample, as interpolation reads them

// The file read by offset and length, never past its end.
class SoundFontFile
{
public:
    explicit SoundFontFile(const QString& path) : file_(path) {}

    bool open()
    {
        // Only a regular file: a FIFO at the name would block for ever.
        return QFileInfo(file_.fileName()).isFile() && file_.open(QIODevice::ReadOnly);
    }
    qint64 size() const { return file_.size(); }

    std::optional<QByteArray> read(qint64 at, qint64 count)
    {
        if (at < 0 || count < 0 || count > size() - at || !file_.seek(at))
            return std::nullopt;
        QByteArray bytes = file_.read(count);
        return bytes.size() == count ? std::optional<QByteArray>(bytes) : std::nullopt;
    }

private:
    QFile file_;
};

struct Chunk
{
    QByteArray id;
    qint64 body = 0; // offset of the chunk's content
    qint64 size = 0;
};

// The chunks between `from` and `to`, each padded to an even length.
std::optional<std::vector<Chunk>> chunksIn(SoundFontFile& file, qint64 from, qint64 to)
{
    std::vector<Chunk> chunks;
    for (qint64 at = from; at + 8 <= to;) {
        const auto header = file.read(at, 8);
        if (!header)
            return std::nullopt;
        Chunk chunk{header->first(4), at + 8, littleEndian(*header, 4, 4)};
        if (chunk.size > to - chunk.body)
            return std::nullopt;
        at = chunk.body + chunk.size + (chunk.size & 1);
        chunks.push_back(chunk);
    }
    return chunks;
}

// One level of the tables: the zones of the presets or of the instruments.
struct Zones
{
    QByteArray bags;
    QByteArray modulators;
    QByteArray generators;
};

struct Hydra
{
    QByteArray presets;
    Zones presetZones;
    QByteArray instruments;
    Zones instrumentZones;
    QByteArray samples;
};

qsizetype records(const QByteArray& table, qsizetype size)
{
    return table.size() / size;
}

// Each table is whole records, and at least the closing one.
bool wellFormed(const Hydra& hydra)
{
    const std::pair<const QByteArray*, qsizetype> tables[] = {
        {&hydra.presets, kPresetSize},
        {&hydra.presetZones.bags, kBagSize},
        {&hydra.presetZones.modulators, kModulatorSize},
        {&hydra.presetZones.generators, kGeneratorSize},
        {&hydra.instruments, kInstrumentSize},
        {&hydra.instrumentZones.bags, kBagSize},
        {&hydra.instrumentZones.modulators, kModulatorSize},
        {&hydra.instrumentZones.generators, kGeneratorSize},
        {&hydra.samples, kSampleSize}};
    return std::all_of(std::begin(tables), std::end(tables), [](const auto& table) {
        return !table.first->isEmpty() && table.first->size() % table.second == 0;
    });
}

std::optional<Hydra> readHydra(SoundFontFile& file, const Chunk& list)
{
    if (list.size > kLargestHydra)
        return std::nullopt;
    const auto chunks = chunksIn(file, list.body + 4, list.body + list.size);
    if (!chunks)
        return std::nullopt;
    Hydra hydra;
    const std::map<QByteArray, QByteArray*> tables = {{"phdr", &hydra.presets},
                                                      {"pbag", &hydra.presetZones.bags},
                                                      {"pmod", &hydra.presetZones.modulators},
                                                      {"pgen", &hydra.presetZones.generators},
                                                      {"inst", &hydra.instruments},
                                                      {"ibag", &hydra.instrumentZones.bags},
                                                      {"imod", &hydra.instrumentZones.modulators},
                                                      {"igen", &hydra.instrumentZones.generators},
                                                      {"shdr", &hydra.samples}};
    for (const Chunk& chunk : *chunks) {
        const auto table = tables.find(chunk.id);
        if (table == tables.end())
            continue;
        const auto bytes = file.read(chunk.body, chunk.size);
        if (!bytes)
            return std::nullopt;
        *table->second = *bytes;
    }
    return wellFormed(hydra) ? std::optional<Hydra>(hydra) : std::nullopt;
}

// Renumbers the items of the next level (instruments or samples) in the order
// they are first named, and remembers which ones are kept.
class Renumbering
{
public:
    explicit Renumbering(qsizetype available) : available_(available) {}

    std::optional<quint16> operator()(quint32 old)
    {
        if (old >= static_cast<quint32>(available_))
            return std::nullopt;
        const auto [entry, added] = index_.try_emplace(old, static_cast<quint16>(kept_.size()));
        if (added)
            kept_.push_back(old);
        return entry->second;
    }
    const std::vector<quint32>& kept() const { return kept_; }

private:
    qsizetype available_;
    std::map<quint32, quint16> index_;
    std::vector<quint32> kept_; // old numbers, by new number
};

// The keys that reach each item of the next level, by its old number.
using KeysByItem = std::map<quint32, Keys>;

Keys keyRange(quint32 amount)
{
    Keys range;
    for (quint32 key = amount & 0xFF; key <= (amount >> 8) && key < range.size(); ++key)
        range.set(key);
    return range;
}

// Copies those of the zones [first, last) of one preset or instrument that can
// sound when `keys` are struck: the bags pointed at their new places, the
// modulators as they are, and the generators with the one that names the next
// level renumbered. The keys that pass each zone are added to `reaching`.
bool copyZones(const Zones& from, Zones& to, quint32 first, quint32 last, int linkGenerator,
               const Keys& keys, Renumbering& renumber, KeysByItem& reaching)
{
    const auto bags = static_cast<quint32>(records(from.bags, kBagSize) - 1);
    const auto generators = static_cast<quint32>(records(from.generators, kGeneratorSize) - 1);
    const auto modulators = static_cast<quint32>(records(from.modulators, kModulatorSize) - 1);
    if (first > last || last > bags)
        return false;
    for (quint32 bag = first; bag < last; ++bag) {
        const quint32 firstGenerator = littleEndian(from.bags, bag * kBagSize, 2);
        const quint32 firstModulator = littleEndian(from.bags, bag * kBagSize + 2, 2);
        const quint32 lastGenerator = littleEndian(from.bags, (bag + 1) * kBagSize, 2);
        const quint32 lastModulator = littleEndian(from.bags, (bag + 1) * kBagSize + 2, 2);
        if (firstGenerator > lastGenerator || lastGenerator > generators ||
            firstModulator > lastModulator || lastModulator > modulators)
            return false;
        // A key range counts only as a zone's first generator, as in the synthesizer.
        Keys range = Keys().set();
        std::optional<quint32> target;
        for (quint32 generator = firstGenerator; generator < lastGenerator; ++generator) {
            const qsizetype at = generator * kGeneratorSize;
            const auto kind = static_cast<int>(littleEndian(from.generators, at, 2));
            if (generator == firstGenerator && kind == kKeyRangeGenerator)
                range = keyRange(littleEndian(from.generators, at + 2, 2));
            if (kind == linkGenerator && !target)
                target = littleEndian(from.generators, at + 2, 2);
        }
        // The synthesizer drops a zone that plays nothing unless it comes first
        // (the global zone), and a zone none of whose keys is struck never sounds.
        const bool global = bag == first && !target;
        if (!global && (!target || (range & keys).none()))
            continue;
        if (target)
            reaching[*target] |= range & keys;

        to.bags += littleEndianBytes(records(to.generators, kGeneratorSize), 2) +
                   littleEndianBytes(records(to.modulators, kModulatorSize), 2);
        to.modulators += from.modulators.mid(firstModulator * kModulatorSize,
                                             (lastModulator - firstModulator) * kModulatorSize);
        for (quint32 generator = firstGenerator; generator < lastGenerator; ++generator) {
            QByteArray record = from.generators.mid(generator * kGeneratorSize, kGeneratorSize);
            if (static_cast<int>(littleEndian(record, 0, 2)) == linkGenerator) {
                const auto renumbered = renumber(littleEndian(record, 2, 2));
                if (!renumbered)
                    return false;
                putLittleEndian(record, 2, *renumbered, 2);
            }
            to.generators += record;
        }
    }
    return true;
}

// The closing records: the bag one points past the last generator and modulator.
void closeZones(const Zones& from, Zones& to)
{
    to.bags += littleEndianBytes(records(to.generators, kGeneratorSize), 2) +
               littleEndianBytes(records(to.modulators, kModulatorSize), 2);
    to.modulators += from.modulators.right(kModulatorSize);
    to.generators += from.generators.right(kGeneratorSize);
}

// Copies the headers `kept` of one level (presets or instruments), each with
// those of its zones that the keys struck on it reach, and the closing header.
// The bag index of each header sits at `bagAt`.
bool copyLevel(const QByteArray& headers, qsizetype headerSize, int bagAt,
               const std::vector<std::pair<quint32, Keys>>& kept, const Zones& zones,
               int linkGenerator, Renumbering& renumber, KeysByItem& reaching,
               QByteArray& keptHeaders, Zones& keptZones)
{
    const qsizetype count = records(headers, headerSize) - 1;
    auto copyHeader = [&](qsizetype index) {
        QByteArray header = headers.mid(index * headerSize, headerSize);
        putLittleEndian(header, bagAt, static_cast<quint32>(records(keptZones.bags, kBagSize)), 2);
        keptHeaders += header;
    };
    for (const auto& [index, keys] : kept) {
        if (index >= count)
            return false;
        copyHeader(index);
        if (!copyZones(zones, keptZones, littleEndian(headers, index * headerSize + bagAt, 2),
                       littleEndian(headers, (index + 1) * headerSize + bagAt, 2), linkGenerator,
                       keys, renumber, reaching))
            return false;
    }
    copyHeader(count);
    closeZones(zones, keptZones);
    return true;
}

// The presets that can sound, with the keys struck on each: those the
// selection names, and for a melodic or drum program the soundfont lacks,
// program 0 of its bank, which the synthesizer plays instead.
std::vector<std::pair<quint32, Keys>> presetsToKeep(const QByteArray& presets,
                                                    const Selection& selection)
{
    std::map<std::pair<int, int>, quint32> present;
    for (quint32 index = 0; index + 1 < records(presets, kPresetSize); ++index) {
        const auto program =
            static_cast<int>(littleEndian(presets, index * kPresetSize + kProgramAt, 2));
        const auto bank = static_cast<int>(littleEndian(presets, index * kPresetSize + kBankAt, 2));
        present.try_emplace({bank, program}, index);
    }
    Selection played = selection;
    for (const auto& [preset, keys] : selection) {
        if (preset.first != kAnyBank && !present.contains(preset))
            played[{preset.first, 0}] |= keys;
    }
    std::vector<std::pair<quint32, Keys>> kept;
    for (quint32 index = 0; index + 1 < records(presets, kPresetSize); ++index) {
        const auto program =
            static_cast<int>(littleEndian(presets, index * kPresetSize + kProgramAt, 2));
        const auto bank = static_cast<int>(littleEndian(presets, index * kPresetSize + kBankAt, 2));
        Keys keys;
        for (const int each : {bank, kAnyBank}) {
            if (const auto found = played.find({each, program}); found != played.end())
                keys |= found->second;
        }
        if (keys.any())
            kept.emplace_back(index, keys);
    }
    return kept;
}

// A stretch of sample points copied whole; samples that share points keep
// sharing them.
struct Stretch
{
    quint32 first = 0;
    quint32 last = 0; // one past the end
    quint32 at = 0;   // where it begins in the new sample data
};

// The sample headers `kept`, their points gathered into new sample data, with
// every position moved to match. The closing header follows.
bool copySamples(SoundFontFile& file, const QByteArray& samples, const std::vector<quint32>& kept,
                 const Chunk& points, QByteArray& keptSamples, QByteArray& keptPoints)
{
    const auto available = static_cast<quint32>(points.size / 2);
    std::vector<Stretch> stretches;
    for (const quint32 index : kept) {
        const qsizetype at = index * kSampleSize;
        const quint32 type = littleEndian(samples, at + kSampleTypeAt, 2);
        const quint32 start = littleEndian(samples, at + kSampleStartAt, 4);
        const quint32 end = littleEndian(samples, at + kSampleStartAt + 4, 4);
        if (type & kCompressed)
            return false;
        if (type & kInRom)
            continue;
        if (start > end || end > available)
            return false;
        stretches.push_back({start, std::min(end + kGuardPoints, available), 0});
    }
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& a, const Stretch& b) { return a.first < b.first; });
    std::vector<Stretch> merged;
    for (const Stretch& stretch : stretches) {
        if (!merged.empty() && stretch.first <= merged.back().last)
            merged.back().last = std::max(merged.back().last, stretch.last);
        else
            merged.push_back(stretch);
    }
    for (Stretch& stretch : merged) {
        stretch.at = static_cast<quint32>(keptPoints.size() / 2);
        const quint32 count = stretch.last - stretch.first;
        const auto bytes = file.read(points.body + 2 * qint64{stretch.first}, 2 * qint64{count});
        if (!bytes)
            return false;
        keptPoints += *bytes;
    }

    for (const quint32 index : kept) {
        QByteArray header = samples.mid(index * kSampleSize, kSampleSize);
        if ((littleEndian(header, kSampleTypeAt, 2) & kInRom) == 0) {
            const quint32 start = littleEndian(header, kSampleStartAt, 4);
            const auto stretch = std::find_if(merged.begin(), merged.end(), [&](const Stretch& s) {
                return s.first <= start && start <= s.last;
            });
            if (stretch == merged.end())
                return false;
            const qint64 shift = qint64{stretch->at} - qint64{stretch->first};
            for (int position = 0; position < 4; ++position) {
                const qint64 moved =
                    qint64{littleEndian(header, kSampleStartAt + 4 * position, 4)} + shift;
                if (moved < 0 || moved > std::numeric_limits<quint32>::max())
                    return false;
                putLittleEndian(header, kSampleStartAt + 4 * position, static_cast<quint32>(moved),
                                4);
            }
        }
        keptSamples += header;
    }
    keptSamples += samples.right(kSampleSize);
    return true;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray bytes = id + littleEndianBytes(static_cast<quint32>(body.size()), 4) + body;
    if (body.size() % 2 != 0)
        bytes += '\0';
    return bytes;
}

} // namespace

std::optional<QByteArray> trimmed(const QString& path, const Selection& selection)
{
    SoundFontFile file(path);
    const auto header = file.open() ? file.read(0, 12) : std::nullopt;
    if (!header || header->first(4) != "RIFF" || header->sliced(8, 4) != "sfbk")
        return std::nullopt;
    const auto lists =
        chunksIn(file, 12, std::min(file.size(), 8 + qint64{littleEndian(*header, 4, 4)}));
    if (!lists)
        return std::nullopt;

    std::optional<QByteArray> info;
    std::optional<Chunk> points;
    bool lowBytes = false;
    std::optional<Hydra> hydra;
    for (const Chunk& list : *lists) {
        const auto type =
            list.id == "LIST" && list.size >= 4 ? file.read(list.body, 4) : std::nullopt;
        if (!type)
            continue;
        if (*type == "INFO") {
            info = file.read(list.body + 4, list.size - 4);
        } else if (*type == "sdta") {
            const auto chunks = chunksIn(file, list.body + 4, list.body + list.size);
            for (const Chunk& chunk : chunks.value_or(std::vector<Chunk>{})) {
                if (chunk.id == "smpl")
                    points = chunk;
                else if (chunk.id == "sm24")
                    lowBytes = true;
            }
        } else if (*type == "pdta") {
            hydra = readHydra(file, list);
        }
    }
    // The low bytes of 24-bit samples are not cut along; such a set is loaded whole.
    if (!info || !points || !hydra || lowBytes)
        return std::nullopt;

    Hydra kept;
    Renumbering instruments(records(hydra->instruments, kInstrumentSize) - 1);
    Renumbering samples(records(hydra->samples, kSampleSize) - 1);
    KeysByItem instrumentKeys;
    KeysByItem sampleKeys; // not needed further: a sample has no zones
    if (!copyLevel(hydra->presets, kPresetSize, kPresetBagAt,
                   presetsToKeep(hydra->presets, selection), hydra->presetZones,
                   kInstrumentGenerator, instruments, instrumentKeys, kept.presets,
                   kept.presetZones))
        return std::nullopt;
    std::vector<std::pair<quint32, Keys>> keptInstruments;
    for (const quint32 instrument : instruments.kept())
        keptInstruments.emplace_back(instrument, instrumentKeys[instrument]);
    if (!copyLevel(hydra->instruments, kInstrumentSize, kInstrumentBagAt, keptInstruments,
                   hydra->instrumentZones, kSampleGenerator, samples, sampleKeys, kept.instruments,
                   kept.instrumentZones))
        return std::nullopt;
    // The other half of a stereo pair comes along, named by its new number.
    for (std::size_t i = 0; i < samples.kept().size(); ++i) {
        const qsizetype at = samples.kept()[i] * kSampleSize;
        if (littleEndian(hydra->samples, at + kSampleTypeAt, 2) & kLinkedTypes)
            samples(littleEndian(hydra->samples, at + kSampleLinkAt, 2));
    }
    QByteArray keptPoints;
    if (!copySamples(file, hydra->samples, samples.kept(), *points, kept.samples, keptPoints))
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < std::size_t(records(kept.samples, kSampleSize)); ++i) {
        const qsizetype at = qsizetype(i) * kSampleSize;
        if (littleEndian(kept.samples, at + kSampleTypeAt, 2) & kLinkedTypes) {
            if (const auto link = samples(littleEndian(kept.samples, at + kSampleLinkAt, 2)))
                putLittleEndian(kept.samples, at + kSampleLinkAt, *link, 2);
        }
    }

    const QByteArray sampleData = chunk("smpl", keptPoints);
    const QByteArray tables =
        chunk("phdr", kept.presets) + chunk("pbag", kept.presetZones.bags) +
        chunk("pmod", kept.presetZones.modulators) + chunk("pgen", kept.presetZones.generators) +
        chunk("inst", kept.instruments) + chunk("ibag", kept.instrumentZones.bags) +
        chunk("imod", kept.instrumentZones.modulators) +
        chunk("igen", kept.instrumentZones.generators) + chunk("shdr", kept.samples);
    const QByteArray body = chunk("LIST", "INFO" + *info) + chunk("LIST", "sdta" + sampleData) +
                            chunk("LIST", "pdta" + tables);
    return chunk("RIFF", "sfbk" + body);
}

} // namespace soundfont
