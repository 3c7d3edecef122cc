// Loads one program of a General MIDI soundfont at a time.
#include "sound/fluidsynth/program_soundfont.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace corvanta {
namespace {

// The preset data's record sizes, in the order the file has them.
constexpr std::array<std::pair<const char*, std::size_t>, 9> kRecords{{{"phdr", 38},
                                                                       {"pbag", 4},
                                                                       {"pmod", 10},
                                                                       {"pgen", 4},
                                                                       {"inst", 22},
                                                                       {"ibag", 4},
                                                                       {"imod", 10},
                                                                       {"igen", 4},
                                                                       {"shdr", 46}}};
enum Chunk { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr };
constexpr std::uint16_t kInstrumentGenerator = 41;
constexpr std::uint16_t kSampleGenerator = 53;
constexpr std::uint16_t kMonoSample = 1;

std::uint32_t Read32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}
std::uint16_t Read16(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}
void Put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}
void Write16(std::string& record, std::size_t at, std::size_t value) {
  record[at] = static_cast<char>(value & 0xFF);
  record[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// A record table of the preset data; its last record ends the list.
struct Table {
  std::string bytes;
  std::size_t size = 0;
  std::size_t Count() const { return bytes.size() / size; }
  std::string Record(std::size_t index) const { return bytes.substr(index * size, size); }
  std::uint16_t Field16(std::size_t index, std::size_t at) const {
    return Read16(bytes.data() + index * size + at);
  }
};

// What FluidSynth is shown: the file up to its preset data, then the cut one.
struct VirtualFile {
  std::string path;
  std::uint64_t presetDataAt = 0;  // where the preset data starts in both
  std::string head;                // the RIFF header, its size the new one's
  std::string presetData;          // the cut LIST pdta chunk
  std::uint64_t Size() const { return presetDataAt + presetData.size(); }
};

std::mutex registryMutex;
std::map<std::string, std::shared_ptr<const VirtualFile>> registry;
std::uint64_t registered = 0;

struct Handle {
  std::shared_ptr<const VirtualFile> file;
  std::FILE* real = nullptr;
  std::int64_t position = 0;
};

void* OpenVirtual(const char* name) {
  std::shared_ptr<const VirtualFile> file;
  {
    std::lock_guard lock(registryMutex);
    auto found = registry.find(name);
    if (found == registry.end()) return nullptr;  // a real file: another loader's
    file = found->second;
  }
  std::FILE* real = std::fopen(file->path.c_str(), "rb");
  if (real == nullptr) return nullptr;
  return new Handle{std::move(file), real, 0};
}

int ReadVirtual(void* buffer, fluid_long_long_t count, void* opened) {
  auto& handle = *static_cast<Handle*>(opened);
  const VirtualFile& file = *handle.file;
  auto* out = static_cast<char*>(buffer);
  while (count > 0) {
    const auto at = static_cast<std::uint64_t>(handle.position);
    std::uint64_t n = 0;
    if (at < file.head.size()) {
      n = std::min<std::uint64_t>(count, file.head.size() - at);
      std::memcpy(out, file.head.data() + at, n);
    } else if (at < file.presetDataAt) {
      n = std::min<std::uint64_t>(count, file.presetDataAt - at);
      if (fseeko(handle.real, static_cast<off_t>(at), SEEK_SET) != 0 ||
          std::fread(out, 1, n, handle.real) != n)
        return FLUID_FAILED;
    } else if (at < file.Size()) {
      n = std::min<std::uint64_t>(count, file.Size() - at);
      std::memcpy(out, file.presetData.data() + (at - file.presetDataAt), n);
    } else {
      return FLUID_FAILED;
    }
    out += n;
    count -= static_cast<fluid_long_long_t>(n);
    handle.position += static_cast<std::int64_t>(n);
  }
  return FLUID_OK;
}

int SeekVirtual(void* opened, fluid_long_long_t offset, int origin) {
  auto& handle = *static_cast<Handle*>(opened);
  std::int64_t base = origin == SEEK_CUR   ? handle.position
                      : origin == SEEK_END ? static_cast<std::int64_t>(handle.file->Size())
                                           : 0;
  if (base + offset < 0) return FLUID_FAILED;
  handle.position = base + offset;
  return FLUID_OK;
}

int CloseVirtual(void* opened) {
  auto* handle = static_cast<Handle*>(opened);
  std::fclose(handle->real);
  delete handle;
  return FLUID_OK;
}

fluid_long_long_t TellVirtual(void* opened) { return static_cast<Handle*>(opened)->position; }

// The file's preset data and where it is, when it is the last chunk of the
// RIFF form, after the sample data, as soundfonts are written.
struct PresetData {
  std::uint64_t at = 0;
  std::array<Table, kRecords.size()> tables;
};

std::optional<PresetData> ReadPresetData(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  struct Closer {
    std::FILE* file;
    ~Closer() { std::fclose(file); }
  } closer{file};
  char header[12];
  if (std::fread(header, 1, 12, file) != 12 || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "sfbk", 4) != 0)
    return std::nullopt;
  const std::uint64_t end = 8 + static_cast<std::uint64_t>(Read32(header + 4));
  // The sizes a cut or broken file claims are held against the bytes it has:
  // a header saying 4 GB must not have 4 GB read into memory.
  if (fseeko(file, 0, SEEK_END) != 0) return std::nullopt;
  const off_t fileSize = ftello(file);
  if (fileSize < 0) return std::nullopt;
  std::uint64_t at = 12;
  bool sampleData = false;
  while (at + 12 <= end) {
    char chunk[12];
    if (fseeko(file, static_cast<off_t>(at), SEEK_SET) != 0 || std::fread(chunk, 1, 12, file) != 12)
      return std::nullopt;
    const std::uint64_t size = Read32(chunk + 4);
    const std::uint64_t next = at + 8 + size + (size & 1);
    if (std::memcmp(chunk, "LIST", 4) == 0 && std::memcmp(chunk + 8, "sdta", 4) == 0)
      sampleData = true;
    if (std::memcmp(chunk, "LIST", 4) == 0 && std::memcmp(chunk + 8, "pdta", 4) == 0) {
      if (!sampleData || next != end || size < 4 ||
          at + 8 + size > static_cast<std::uint64_t>(fileSize))
        return std::nullopt;
      std::string body(size - 4, '\0');
      if (std::fread(body.data(), 1, body.size(), file) != body.size()) return std::nullopt;
      PresetData data;
      data.at = at;
      std::size_t offset = 0;
      for (std::size_t i = 0; i < kRecords.size(); ++i) {
        if (offset + 8 > body.size() || std::memcmp(body.data() + offset, kRecords[i].first, 4))
          return std::nullopt;
        const std::size_t length = Read32(body.data() + offset + 4);
        if (offset + 8 + length > body.size() || length % kRecords[i].second != 0 ||
            length < kRecords[i].second)
          return std::nullopt;
        data.tables[i] = {body.substr(offset + 8, length), kRecords[i].second};
        offset += 8 + length;
      }
      return data;
    }
    at = next;
  }
  return std::nullopt;
}

// Zone lists (bags and their generators and modulators) of the kept
// headers, renumbered from 0; each generator `link` points into the next
// level's table, renumbered by `relink`.
struct ZoneCopy {
  std::string headers, bags, modulators, generators;
};

template <typename Relink>
std::optional<ZoneCopy> CopyZones(const Table& headerTable, const std::vector<std::size_t>& kept,
                                  std::size_t bagField, const Table& bags, const Table& modulators,
                                  const Table& generators, std::uint16_t link, Relink relink) {
  ZoneCopy copy;
  std::size_t bagCount = 0, modulatorCount = 0, generatorCount = 0;
  for (std::size_t header : kept) {
    std::string record = headerTable.Record(header);
    Write16(record, bagField, bagCount);
    copy.headers += record;
    const std::size_t first = headerTable.Field16(header, bagField);
    const std::size_t last = headerTable.Field16(header + 1, bagField);
    if (first > last || last >= bags.Count()) return std::nullopt;
    for (std::size_t bag = first; bag < last; ++bag) {
      std::string bagRecord = bags.Record(bag);
      Write16(bagRecord, 0, generatorCount);
      Write16(bagRecord, 2, modulatorCount);
      copy.bags += bagRecord;
      ++bagCount;
      const std::size_t g0 = bags.Field16(bag, 0), g1 = bags.Field16(bag + 1, 0);
      const std::size_t m0 = bags.Field16(bag, 2), m1 = bags.Field16(bag + 1, 2);
      if (g0 > g1 || g1 >= generators.Count() || m0 > m1 || m1 >= modulators.Count())
        return std::nullopt;
      for (std::size_t g = g0; g < g1; ++g) {
        std::string generator = generators.Record(g);
        if (generators.Field16(g, 0) == link) {
          auto renumbered = relink(generators.Field16(g, 2));
          if (!renumbered) return std::nullopt;
          Write16(generator, 2, *renumbered);
        }
        copy.generators += generator;
        ++generatorCount;
      }
      for (std::size_t m = m0; m < m1; ++m) copy.modulators += modulators.Record(m);
      modulatorCount += m1 - m0;
    }
  }
  // The lists' ends, counting what was kept.
  std::string end = headerTable.Record(headerTable.Count() - 1);
  Write16(end, bagField, bagCount);
  copy.headers += end;
  std::string endBag = bags.Record(bags.Count() - 1);
  Write16(endBag, 0, generatorCount);
  Write16(endBag, 2, modulatorCount);
  copy.bags += endBag;
  copy.modulators += modulators.Record(modulators.Count() - 1);
  copy.generators += generators.Record(generators.Count() - 1);
  return copy;
}

// Numbers the indices in the order first asked for.
struct Renumbering {
  std::size_t limit;
  std::vector<std::size_t> order;
  std::map<std::size_t, std::size_t> numbers;
  std::optional<std::size_t> operator()(std::size_t index) {
    if (index >= limit) return std::nullopt;
    auto [found, added] = numbers.emplace(index, order.size());
    if (added) order.push_back(index);
    return found->second;
  }
};

// The preset data with only the preset at `preset`: its instruments and
// their samples, as a LIST pdta chunk.
std::optional<std::string> CutPresetData(const PresetData& data, std::size_t preset) {
  const auto& t = data.tables;
  Renumbering instruments{t[kInst].Count() - 1, {}, {}};
  auto presets = CopyZones(t[kPhdr], {preset}, 24, t[kPbag], t[kPmod], t[kPgen],
                           kInstrumentGenerator, std::ref(instruments));
  if (!presets) return std::nullopt;
  Renumbering samples{t[kShdr].Count() - 1, {}, {}};
  auto zones = CopyZones(t[kInst], instruments.order, 20, t[kIbag], t[kImod], t[kIgen],
                         kSampleGenerator, std::ref(samples));
  if (!zones) return std::nullopt;
  // A stereo half's partner comes along, as the file links them.
  for (std::size_t i = 0; i < samples.order.size(); ++i) {
    const std::size_t sample = samples.order[i];
    if ((t[kShdr].Field16(sample, 44) & kMonoSample) == 0) samples(t[kShdr].Field16(sample, 42));
  }
  std::string sampleHeaders;
  for (std::size_t sample : samples.order) {
    std::string record = t[kShdr].Record(sample);
    const std::size_t partner = t[kShdr].Field16(sample, 42);
    auto found = samples.numbers.find(partner);
    Write16(record, 42, found == samples.numbers.end() ? 0 : found->second);
    sampleHeaders += record;
  }
  sampleHeaders += t[kShdr].Record(t[kShdr].Count() - 1);
  const std::array<const std::string*, kRecords.size()> parts{
      &presets->headers,    &presets->bags,     &presets->modulators,
      &presets->generators, &zones->headers,    &zones->bags,
      &zones->modulators,   &zones->generators, &sampleHeaders};
  std::string body = "pdta";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    body += kRecords[i].first;
    Put32(body, static_cast<std::uint32_t>(parts[i]->size()));
    body += *parts[i];
  }
  std::string chunk = "LIST";
  Put32(chunk, static_cast<std::uint32_t>(body.size()));
  return chunk + body;
}

}  // namespace

struct ProgramSoundfont::Data {
  fluid_synth_t* synth;
  std::string path;
  std::optional<PresetData> presets;  // none: the file is loaded whole
  int sfont = FLUID_FAILED;
  int program = -1;
  std::string name;  // the loaded cut's name in the registry

  void Unregister() {
    std::lock_guard lock(registryMutex);
    registry.erase(name);
  }

  // The preset FluidSynth would choose for the program on a melodic channel.
  std::optional<std::size_t> PresetFor(int wanted) const {
    const Table& headers = presets->tables[kPhdr];
    for (int program : {wanted, 0}) {
      for (std::size_t i = 0; i + 1 < headers.Count(); ++i) {
        if (headers.Field16(i, 22) == 0 && headers.Field16(i, 20) == program) return i;
      }
    }
    return std::nullopt;
  }

  bool LoadCut(int wanted) {
    auto preset = PresetFor(wanted);
    if (!preset) return false;
    auto cut = CutPresetData(*presets, *preset);
    if (!cut) return false;
    auto file = std::make_shared<VirtualFile>();
    file->path = path;
    file->presetDataAt = presets->at;
    file->presetData = std::move(*cut);
    file->head = "RIFF";
    Put32(file->head, static_cast<std::uint32_t>(file->Size() - 8));
    file->head += "sfbk";
    std::string cutName;
    {
      std::lock_guard lock(registryMutex);
      cutName = path + "#program" + std::to_string(wanted) + "#" + std::to_string(++registered);
      registry[cutName] = file;
    }
    const int loaded = fluid_synth_sfload(synth, cutName.c_str(), 0);
    if (loaded == FLUID_FAILED) {
      std::lock_guard lock(registryMutex);
      registry.erase(cutName);
      return false;
    }
    const int previous = sfont;
    const std::string previousName = name;
    sfont = loaded;
    name = cutName;
    program = wanted;
    if (previous != FLUID_FAILED) {
      fluid_synth_sfunload(synth, previous, 0);
      std::lock_guard lock(registryMutex);
      registry.erase(previousName);
    }
    return true;
  }
};

ProgramSoundfont::ProgramSoundfont(fluid_synth_t* synth, std::string path)
    : data_(std::make_unique<Data>(
          Data{synth, std::move(path), std::nullopt, FLUID_FAILED, -1, {}})) {
  data_->presets = ReadPresetData(data_->path);
  if (data_->presets) {
    fluid_settings_t* settings = fluid_synth_get_settings(synth);
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (loader != nullptr &&
        fluid_sfloader_set_callbacks(loader, OpenVirtual, ReadVirtual, SeekVirtual, TellVirtual,
                                     CloseVirtual) == FLUID_OK) {
      fluid_synth_add_sfloader(synth, loader);  // the synthesizer owns it
      // The cut of program 0 at once: a soundfont that cannot be read fails here.
      if (data_->LoadCut(0)) return;
    } else if (loader != nullptr) {
      delete_fluid_sfloader(loader);
    }
    data_->presets.reset();
  }
  data_->sfont = fluid_synth_sfload(synth, data_->path.c_str(), 0);
}

ProgramSoundfont::~ProgramSoundfont() { data_->Unregister(); }

bool ProgramSoundfont::Loaded() const { return data_->sfont != FLUID_FAILED; }

bool ProgramSoundfont::Cut() const { return data_->presets.has_value(); }

void ProgramSoundfont::Select(int channel, int program) {
  if (data_->presets && program != data_->program && !data_->LoadCut(program)) {
    // A cut that cannot be made: the whole file from now on.
    fluid_synth_sfunload(data_->synth, data_->sfont, 0);
    data_->Unregister();
    data_->presets.reset();
    data_->sfont = fluid_synth_sfload(data_->synth, data_->path.c_str(), 0);
  }
  fluid_synth_program_change(data_->synth, channel, program);
}

}  // namespace corvanta
