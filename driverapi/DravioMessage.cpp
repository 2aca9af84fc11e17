#include "DravioMessage.h"

#include <cstring>

void DRAVIO_MESSAGE::Init(uint32_t kind, uint32_t code)
{
    std::memset(this, 0, sizeof(*this));
    HeaderSize = DRAVIO_MESSAGE_HEADER_SIZE;
    Kind = kind;
    Code = code;
}

void DRAVIO_MESSAGE::InitReply(const DRAVIO_MESSAGE& request, DRAVIO_STATUS status)
{
    // Copied first: the request and the reply may be the same record.
    const uint32_t transactionId = request.TransactionId;
    const uint32_t cookie1 = request.Cookie1;
    const uint32_t cookie2 = request.Cookie2;
    Init(DRAVIO_MSG_REPLY, DRAVIO_REPLY_STATUS);
    TransactionId = transactionId;
    Cookie1 = cookie1;
    Cookie2 = cookie2;
    Status = status;
}

DRAVIO_STATUS DRAVIO_MESSAGE::SetPayload(const void* bytes, uint32_t length)
{
    if (length > DRAVIO_MAX_PAYLOAD)
        return DRAVIO_STATUS_INVALID_LENGTH;
    if (length != 0)
        std::memmove(Payload, bytes, length);
    PayloadLength = length;
    return DRAVIO_STATUS_SUCCESS;
}

DRAVIO_STATUS DRAVIO_MESSAGE::GetPayload(void* buffer, uint32_t* size) const
{
    // A length the record cannot hold comes only from a faulty sender; reading it
    // would run past the record.
    if (PayloadLength > DRAVIO_MAX_PAYLOAD || *size < PayloadLength)
        return DRAVIO_STATUS_INVALID_LENGTH;
    if (PayloadLength != 0)
        std::memcpy(buffer, Payload, PayloadLength);
    *size = PayloadLength;
    return DRAVIO_STATUS_SUCCESS;
}

DRAVIO_STATUS DRAVIO_MESSAGE::ReadPayloadExact(void* buffer, uint32_t n) const
{
    uint32_t size = n;
    const DRAVIO_STATUS status = GetPayload(buffer, &size);
    if (status != DRAVIO_STATUS_SUCCESS)
        return status;
    return size == n ? DRAVIO_STATUS_SUCCESS : DRAVIO_STATUS_INVALID_MSG_SIZE;
}
