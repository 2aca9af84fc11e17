#pragma once

#include <cstddef>
#include <cstdint>

#include "DravioDriverRecords.h"

// Records of the device-level requests. Packed little-endian; levels, gains and
// weights are signed 16-bit hundredths of a decibel.

// DRAVIO_MIXER_PIN::kind.
constexpr uint8_t DRAVIO_PIN_ANALOG = 0;
constexpr uint8_t DRAVIO_PIN_SPDIF = 1;
constexpr uint8_t DRAVIO_PIN_SOFTWARE = 2;
constexpr uint8_t DRAVIO_PIN_SOFTWARE_SPDIF = 3;
constexpr uint8_t DRAVIO_PIN_VIRTUAL_LOOPBACK = 5;

// Pin set selectors of IOCTL_DRAVIO_GET_MIXER_PINS.
constexpr uint32_t DRAVIO_PINS_OUTPUTS = 0;
constexpr uint32_t DRAVIO_PINS_HARDWARE_INPUTS = 1;
constexpr uint32_t DRAVIO_PINS_SOFTWARE_OUTPUTS = 2;

constexpr uint8_t DRAVIO_GAIN_MUTED = 0x1;
constexpr uint8_t DRAVIO_WEIGHT_ON = 0x1;

// DRAVIO_EFFECT_PARAMS::paramId.
constexpr uint32_t DRAVIO_EFFECT_CHANNEL_COUNT = 0;
constexpr uint32_t DRAVIO_EFFECT_MAX_DELAY = 1;
constexpr uint32_t DRAVIO_EFFECT_DELAY = 2;
constexpr uint32_t DRAVIO_EFFECT_AMPLIFICATION = 3;

// Channel types of the WDM tables.
constexpr uint32_t DRAVIO_WDM_TYPE_ANALOG = 1;
constexpr uint32_t DRAVIO_WDM_TYPE_SPDIF = 10;
constexpr uint32_t DRAVIO_WDM_TYPE_MIDI = 20;
constexpr uint32_t DRAVIO_WDM_TYPE_VIRTUAL = 40;

// DRAVIO_WDM_ENDPOINT::EndpointKind.
constexpr uint32_t DRAVIO_ENDPOINT_AUDIO = 0;
constexpr uint32_t DRAVIO_ENDPOINT_SPDIF_OUTPUT = 1;
constexpr uint32_t DRAVIO_ENDPOINT_MIDI = 2;

constexpr uint32_t DRAVIO_MAX_CHANNEL_FORMAT_ENTRIES = 10;
constexpr uint32_t DRAVIO_MAX_WDM_ENTRIES = 32;
constexpr size_t DRAVIO_WDM_NAME_CHARS = 41;
constexpr uint32_t DRAVIO_EFFECT_PAIRS = 64;
constexpr uint32_t DRAVIO_ENDPOINT_LEVEL_CHANNELS = 16;

#pragma pack(push, 1)

struct DRAVIO_SPDIF_STATUS {
    uint32_t Index;
    uint32_t State;
    uint32_t Format;
    uint32_t SampleRate;
};

struct DRAVIO_SPDIF_PASSTHROUGH {
    uint32_t Selector;
    uint32_t Second;
    uint32_t Enabled;
};

struct DRAVIO_MIXER_PIN {
    uint8_t kind;
    uint8_t channel;
    uint8_t extra[2]; // passed back unchanged
};

struct DRAVIO_LEVEL {
    DRAVIO_MIXER_PIN pin;
    int16_t level;
    uint8_t reserved[2];
};

struct DRAVIO_GAIN {
    DRAVIO_MIXER_PIN pin;
    uint8_t reserved; // passed back
    uint8_t flags;
    int16_t gain;
};

struct DRAVIO_WEIGHT {
    DRAVIO_MIXER_PIN output;
    DRAVIO_MIXER_PIN input;
    int16_t weight;
    uint8_t flags;
    uint8_t reserved;
};

struct DRAVIO_EFFECT_PAIR {
    uint32_t channel;
    uint32_t value;
};

struct DRAVIO_EFFECT_PARAMS {
    uint32_t paramId;
    uint32_t count;
    DRAVIO_EFFECT_PAIR pairs[DRAVIO_EFFECT_PAIRS];
};

struct DRAVIO_CHANNEL_FORMAT_ITEM {
    uint32_t FormatCode;
    uint32_t Reserved;
};

struct DRAVIO_CHANNEL_FORMAT_ENTRY {
    DRAVIO_CHANNEL_FORMAT_ITEM ListA[16];
    DRAVIO_CHANNEL_FORMAT_ITEM ListB[16];
    uint8_t Reserved[136];
};

struct DRAVIO_CHANNEL_FORMATS {
    uint32_t EntryCount;
    uint32_t Reserved;
    DRAVIO_CHANNEL_FORMAT_ENTRY Entries[DRAVIO_MAX_CHANNEL_FORMAT_ENTRIES];
    uint8_t Tail[128];
};

struct DRAVIO_VIRTUAL_INPUT_SETUP {
    uint32_t Words[34];
};

struct DRAVIO_WDM_CHANNEL_NAME {
    uint32_t ChannelType;
    uint32_t PairIndex;
    uint32_t Side;
    wchar_t Name[DRAVIO_WDM_NAME_CHARS];
    uint8_t Reserved[2];
};

struct DRAVIO_WDM_CHANNEL_NAME_HALF {
    uint32_t Count;
    DRAVIO_WDM_CHANNEL_NAME Entries[DRAVIO_MAX_WDM_ENTRIES];
};

struct DRAVIO_WDM_CHANNEL_NAMES {
    DRAVIO_WDM_CHANNEL_NAME_HALF Inputs;
    DRAVIO_WDM_CHANNEL_NAME_HALF Outputs;
};

struct DRAVIO_WDM_ENDPOINT {
    uint32_t ChannelType;
    uint32_t PairCount;
    uint32_t PairIndex[8];
    uint32_t EndpointKind;
    uint32_t ControlFlags;
    wchar_t Name[DRAVIO_WDM_NAME_CHARS];
    uint8_t Reserved[2];
    int32_t MidiDirection;
    uint32_t EntryIndex;
    int32_t LevelMin; // 16.16 fixed-point dB
    int32_t LevelMax;
};

struct DRAVIO_WDM_ENDPOINT_HALF {
    uint32_t Count;
    DRAVIO_WDM_ENDPOINT Entries[DRAVIO_MAX_WDM_ENTRIES];
};

struct DRAVIO_WDM_ENDPOINTS {
    DRAVIO_WDM_ENDPOINT_HALF Inputs;
    DRAVIO_WDM_ENDPOINT_HALF Outputs;
};

struct DRAVIO_ENDPOINT_LEVELS {
    uint32_t Side;
    uint32_t EndpointIndex;
    int32_t Level[DRAVIO_ENDPOINT_LEVEL_CHANNELS]; // 16.16 fixed-point dB
    uint32_t Mute[DRAVIO_ENDPOINT_LEVEL_CHANNELS];
};

struct DRAVIO_SOUND_DEVICE_SWITCH {
    uint32_t Selector;
    uint32_t Value;
};

#pragma pack(pop)

static_assert(sizeof(DRAVIO_SPDIF_STATUS) == 16);
static_assert(sizeof(DRAVIO_SPDIF_PASSTHROUGH) == 12);
static_assert(offsetof(DRAVIO_SPDIF_PASSTHROUGH, Enabled) == 8);
static_assert(sizeof(DRAVIO_MIXER_PIN) == 4);
static_assert(sizeof(DRAVIO_LEVEL) == 8);
static_assert(offsetof(DRAVIO_LEVEL, level) == 4);
static_assert(sizeof(DRAVIO_GAIN) == 8);
static_assert(offsetof(DRAVIO_GAIN, flags) == 5);
static_assert(offsetof(DRAVIO_GAIN, gain) == 6);
static_assert(sizeof(DRAVIO_WEIGHT) == 12);
static_assert(offsetof(DRAVIO_WEIGHT, input) == 4);
static_assert(offsetof(DRAVIO_WEIGHT, weight) == 8);
static_assert(offsetof(DRAVIO_WEIGHT, flags) == 10);
static_assert(sizeof(DRAVIO_EFFECT_PARAMS) == 520);
static_assert(offsetof(DRAVIO_EFFECT_PARAMS, pairs) == 8);
static_assert(sizeof(DRAVIO_CHANNEL_FORMAT_ENTRY) == 392);
static_assert(offsetof(DRAVIO_CHANNEL_FORMAT_ENTRY, ListB) == 128);
static_assert(sizeof(DRAVIO_CHANNEL_FORMATS) == 4056);
static_assert(offsetof(DRAVIO_CHANNEL_FORMATS, Entries) == 8);
static_assert(sizeof(DRAVIO_VIRTUAL_INPUT_SETUP) == 136);
static_assert(sizeof(DRAVIO_WDM_CHANNEL_NAME) == 96);
static_assert(offsetof(DRAVIO_WDM_CHANNEL_NAME, Name) == 12);
static_assert(offsetof(DRAVIO_WDM_CHANNEL_NAME, Reserved) == 94);
static_assert(sizeof(DRAVIO_WDM_CHANNEL_NAME_HALF) == 3076);
static_assert(sizeof(DRAVIO_WDM_CHANNEL_NAMES) == 6152);
static_assert(offsetof(DRAVIO_WDM_CHANNEL_NAMES, Outputs) == 3076);
static_assert(sizeof(DRAVIO_WDM_ENDPOINT) == 148);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, PairIndex) == 8);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, EndpointKind) == 40);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, ControlFlags) == 44);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, Name) == 48);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, MidiDirection) == 132);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, EntryIndex) == 136);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, LevelMin) == 140);
static_assert(offsetof(DRAVIO_WDM_ENDPOINT, LevelMax) == 144);
static_assert(sizeof(DRAVIO_WDM_ENDPOINT_HALF) == 4740);
static_assert(sizeof(DRAVIO_WDM_ENDPOINTS) == 9480);
static_assert(offsetof(DRAVIO_WDM_ENDPOINTS, Outputs) == 4740);
static_assert(sizeof(DRAVIO_ENDPOINT_LEVELS) == 136);
static_assert(offsetof(DRAVIO_ENDPOINT_LEVELS, Level) == 8);
static_assert(offsetof(DRAVIO_ENDPOINT_LEVELS, Mute) == 72);
static_assert(sizeof(DRAVIO_SOUND_DEVICE_SWITCH) == 8);

// The channel-format entries that may be read: EntryCount, but never more than fit.
inline uint32_t DravioChannelFormatCount(const DRAVIO_CHANNEL_FORMATS& formats)
{
    return DravioValidCount(formats.EntryCount, DRAVIO_MAX_CHANNEL_FORMAT_ENTRIES);
}
