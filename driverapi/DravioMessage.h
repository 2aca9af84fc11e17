#pragma once

#include <cstddef>
#include <cstdint>

#include "DravioDriverRecords.h"
#include "DravioStatus.h"

// Message kinds.
constexpr uint32_t DRAVIO_MSG_REQUEST = 1;
constexpr uint32_t DRAVIO_MSG_REPLY = 2;
constexpr uint32_t DRAVIO_MSG_NOTIFICATION = 3;

// Requests, sent by the control panel's client and handled by the server.
constexpr uint32_t DRAVIO_REQ_SET_SAMPLE_RATE = 1001;
constexpr uint32_t DRAVIO_REQ_SET_BUFFER_SIZES = 1002;
constexpr uint32_t DRAVIO_REQ_SELECT_STREAMING_DEVICE = 1003;
constexpr uint32_t DRAVIO_REQ_DEVICE_BYTE = 1004;
constexpr uint32_t DRAVIO_REQ_SET_POLICY = 1005;
constexpr uint32_t DRAVIO_REQ_SET_SOUND_DEVICE_CONFIG = 11001;
constexpr uint32_t DRAVIO_REQ_GET_SOUND_DEVICE_CONFIG = 11002;

// Replies, sent by the server.
constexpr uint32_t DRAVIO_REPLY_STATUS = 2001;
constexpr uint32_t DRAVIO_REPLY_SOUND_DEVICE_CONFIG = 12001;

// Notifications. The server posts 3010, 3011 and 3030; the others come from
// outside the two programs.
constexpr uint32_t DRAVIO_NOTIFY_3001 = 3001;
constexpr uint32_t DRAVIO_NOTIFY_STREAMING_UP = 3003;
constexpr uint32_t DRAVIO_NOTIFY_STREAMING_UNUSED = 3004;
constexpr uint32_t DRAVIO_NOTIFY_DEVICES_CHANGED = 3005;
constexpr uint32_t DRAVIO_NOTIFY_STREAMING_UP_3006 = 3006;
constexpr uint32_t DRAVIO_NOTIFY_CONFIG_CHANGING = 3010;
constexpr uint32_t DRAVIO_NOTIFY_CONFIG_CHANGED = 3011;
constexpr uint32_t DRAVIO_NOTIFY_USE_STARTED = 3015;
constexpr uint32_t DRAVIO_NOTIFY_USE_ENDED = 3016;
constexpr uint32_t DRAVIO_NOTIFY_DEVICE_LIST_QUERY = 3020;
constexpr uint32_t DRAVIO_NOTIFY_3021 = 3021;
constexpr uint32_t DRAVIO_NOTIFY_DEVICE_LIST_CHANGED = 3030;
constexpr uint32_t DRAVIO_NOTIFY_DEVICE_3040 = 3040;
constexpr uint32_t DRAVIO_NOTIFY_MIXER_3050 = 3050;
constexpr uint32_t DRAVIO_NOTIFY_OUTPUT_GAINS_CHANGED = 3051;
constexpr uint32_t DRAVIO_NOTIFY_MIXER_3052 = 3052;
constexpr uint32_t DRAVIO_NOTIFY_ENDPOINT_CONTROL = 3060;

constexpr uint32_t DRAVIO_MESSAGE_HEADER_SIZE = 32;
constexpr uint32_t DRAVIO_MAX_PAYLOAD = 512;

#pragma pack(push, 1)

// The relay record between the control panel and the service. Posted with
// 32 + PayloadLength bytes; taken into the whole 544-byte record.
struct DRAVIO_MESSAGE {
    uint32_t HeaderSize;
    uint32_t PayloadLength;
    uint32_t Kind;
    uint32_t Code;
    uint32_t TransactionId;
    uint32_t Cookie1;
    uint32_t Cookie2;
    uint32_t Status;
    uint8_t Payload[DRAVIO_MAX_PAYLOAD];

    // An empty message of the kind and code.
    void Init(uint32_t kind, uint32_t code);
    // Reply 2001 to a request with its ids and cookies, and the status.
    void InitReply(const DRAVIO_MESSAGE& request, DRAVIO_STATUS status);
    // A length above 512 gives DRAVIO_STATUS_INVALID_LENGTH and changes nothing.
    DRAVIO_STATUS SetPayload(const void* bytes, uint32_t length);
    // Copies the payload into a buffer of *size bytes and sets *size to its length.
    // A payload longer than the buffer, or a PayloadLength above what the record
    // holds, gives DRAVIO_STATUS_INVALID_LENGTH and copies nothing.
    DRAVIO_STATUS GetPayload(void* buffer, uint32_t* size) const;
    // The payload must be exactly n bytes (else DRAVIO_STATUS_INVALID_MSG_SIZE).
    DRAVIO_STATUS ReadPayloadExact(void* buffer, uint32_t n) const;
    // The bytes to post: header and payload.
    uint32_t PostLength() const { return DRAVIO_MESSAGE_HEADER_SIZE + PayloadLength; }
};

// Payload of request 1002 and input of IOCTL_DRAVIO_SET_BUFFER_SIZES.
struct DRAVIO_BUFFER_SIZES_REQUEST {
    uint32_t BufferSizePreset;
    uint32_t AsioBufferSizePreset;
    uint32_t BufferReserved;
};

// Payload of request 1003 and input of IOCTL_DRAVIO_SELECT_STREAMING_DEVICE.
struct DRAVIO_STREAMING_DEVICE_REQUEST {
    uint32_t StreamingMode;
    DRAVIO_DEVICE_KEY Key;
};

// Payloads of requests 11001 and 11002 and of reply 12001.
struct DRAVIO_SOUND_DEVICE_CONFIG {
    DRAVIO_DEVICE_KEY Key;
    uint32_t RenderConfiguration;
    uint32_t CaptureConfiguration;
};

// Payload of notification 3060.
struct DRAVIO_ENDPOINT_CONTROL {
    DRAVIO_DEVICE_KEY Key;
    uint32_t Selector;
    uint32_t Value;
};

// Input of IOCTL_DRAVIO_STREAMING_COMMAND.
struct DRAVIO_STREAMING_COMMAND {
    uint32_t Command;
    uint32_t Argument;
};

#pragma pack(pop)

static_assert(sizeof(DRAVIO_MESSAGE) == 544);
static_assert(offsetof(DRAVIO_MESSAGE, Kind) == 8);
static_assert(offsetof(DRAVIO_MESSAGE, Code) == 12);
static_assert(offsetof(DRAVIO_MESSAGE, TransactionId) == 16);
static_assert(offsetof(DRAVIO_MESSAGE, Cookie1) == 20);
static_assert(offsetof(DRAVIO_MESSAGE, Cookie2) == 24);
static_assert(offsetof(DRAVIO_MESSAGE, Status) == 28);
static_assert(offsetof(DRAVIO_MESSAGE, Payload) == 32);
static_assert(sizeof(DRAVIO_BUFFER_SIZES_REQUEST) == 12);
static_assert(sizeof(DRAVIO_STREAMING_DEVICE_REQUEST) == 12);
static_assert(offsetof(DRAVIO_STREAMING_DEVICE_REQUEST, Key) == 4);
static_assert(sizeof(DRAVIO_SOUND_DEVICE_CONFIG) == 16);
static_assert(sizeof(DRAVIO_ENDPOINT_CONTROL) == 16);
static_assert(sizeof(DRAVIO_STREAMING_COMMAND) == 8);

// Streaming commands of IOCTL_DRAVIO_STREAMING_COMMAND.
constexpr uint32_t DRAVIO_STREAMING_CMD_RESET = 1;
constexpr uint32_t DRAVIO_STREAMING_CMD_DOWN_TO_READY = 2;
constexpr uint32_t DRAVIO_STREAMING_CMD_READY_TO_DOWN = 3;
constexpr uint32_t DRAVIO_STREAMING_CMD_READY_TO_PREPARED = 4;
constexpr uint32_t DRAVIO_STREAMING_CMD_PREPARED_TO_RUNNING = 5;
constexpr uint32_t DRAVIO_STREAMING_CMD_TO_READY = 6;
