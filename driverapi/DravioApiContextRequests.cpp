#include <cstring>

#include "DravioApiContext.h"
#include "DravioIoctl.h"

namespace {

uint64_t HandleWord(HANDLE handle)
{
    // The driver takes the handle value in the low 32 bits, whatever the build.
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
}

} // namespace

DRAVIO_STATUS DravioApiContext::GetVersion(DRAVIO_VERSION_INFO* info)
{
    return IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, info, sizeof(*info));
}

DRAVIO_STATUS DravioApiContext::PostMessage(const DRAVIO_MESSAGE* message)
{
    // Exactly header and payload; a length the record cannot hold is not sent.
    if (message->PayloadLength > DRAVIO_MAX_PAYLOAD)
        return DRAVIO_STATUS_INVALID_LENGTH;
    return IoControl(IOCTL_DRAVIO_POST_MESSAGE, message, message->PostLength(), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetMessage(DRAVIO_MESSAGE* message)
{
    message->Kind = 0;
    message->Code = 0;
    return IoControl(IOCTL_DRAVIO_GET_MESSAGE, nullptr, 0, message, sizeof(*message));
}

DRAVIO_STATUS DravioApiContext::GetNotification(DRAVIO_MESSAGE* message)
{
    message->Kind = 0;
    message->Code = 0;
    return IoControl(IOCTL_DRAVIO_GET_NOTIFICATION, nullptr, 0, message, sizeof(*message));
}

DRAVIO_STATUS DravioApiContext::SetEvents(HANDLE replyEvent, HANDLE notificationEvent)
{
    const DRAVIO_EVENT_HANDLES handles = {HandleWord(replyEvent), HandleWord(notificationEvent)};
    return IoControl(IOCTL_DRAVIO_SET_EVENTS, &handles, sizeof(handles), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetRole(uint32_t role)
{
    return IoControl(IOCTL_DRAVIO_SET_ROLE, &role, sizeof(role), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetDeviceList(DRAVIO_DEVICE_LIST* list)
{
    return IoControl(IOCTL_DRAVIO_GET_DEVICE_LIST, nullptr, 0, list, sizeof(*list));
}

DRAVIO_STATUS DravioApiContext::SelectDevice(const DRAVIO_DEVICE_KEY& key)
{
    return IoControl(IOCTL_DRAVIO_SELECT_DEVICE, &key, sizeof(key), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetInputChannels(DRAVIO_CHANNEL_LIST* list)
{
    return IoControl(IOCTL_DRAVIO_GET_INPUT_CHANNELS, nullptr, 0, list, sizeof(*list));
}

DRAVIO_STATUS DravioApiContext::GetOutputChannels(DRAVIO_CHANNEL_LIST* list)
{
    return IoControl(IOCTL_DRAVIO_GET_OUTPUT_CHANNELS, nullptr, 0, list, sizeof(*list));
}

DRAVIO_STATUS DravioApiContext::GetChannelInfo(const DRAVIO_CHANNEL_KEY& key, DRAVIO_CHANNEL_INFO* info)
{
    return IoControl(IOCTL_DRAVIO_GET_CHANNEL_INFO, &key, sizeof(key), info, sizeof(*info));
}

DRAVIO_STATUS DravioApiContext::GetSampleRates(DRAVIO_SAMPLE_RATE_INFO* info)
{
    return IoControl(IOCTL_DRAVIO_GET_SAMPLE_RATES, nullptr, 0, info, sizeof(*info));
}

DRAVIO_STATUS DravioApiContext::GetBufferSizes(DRAVIO_BUFFER_SIZE_INFO* info)
{
    return IoControl(IOCTL_DRAVIO_GET_BUFFER_SIZES, nullptr, 0, info, sizeof(*info));
}

DRAVIO_STATUS DravioApiContext::GetStreamingState(DRAVIO_STREAMING_STATE* state)
{
    return IoControl(IOCTL_DRAVIO_GET_STREAMING_STATE, nullptr, 0, state, sizeof(*state));
}

DRAVIO_STATUS DravioApiContext::GetErrorCounters(DRAVIO_ERROR_COUNTERS* counters)
{
    return IoControl(IOCTL_DRAVIO_GET_ERROR_COUNTERS, nullptr, 0, counters, sizeof(*counters));
}

DRAVIO_STATUS DravioApiContext::GetPolicy(uint32_t* flags)
{
    return IoControl(IOCTL_DRAVIO_GET_POLICY, nullptr, 0, flags, sizeof(*flags));
}

DRAVIO_STATUS DravioApiContext::StreamingCommand(uint32_t command, uint32_t argument)
{
    const DRAVIO_STREAMING_COMMAND input = {command, argument};
    return IoControl(IOCTL_DRAVIO_STREAMING_COMMAND, &input, sizeof(input), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetSampleRate(uint32_t rate)
{
    return IoControl(IOCTL_DRAVIO_SET_SAMPLE_RATE, &rate, sizeof(rate), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetBufferSizes(const DRAVIO_BUFFER_SIZES_REQUEST& sizes)
{
    return IoControl(IOCTL_DRAVIO_SET_BUFFER_SIZES, &sizes, sizeof(sizes), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::AnnounceSampleRate(uint32_t rate)
{
    return IoControl(IOCTL_DRAVIO_ANNOUNCE_SAMPLE_RATE, &rate, sizeof(rate), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetPolicy(uint32_t flags)
{
    return IoControl(IOCTL_DRAVIO_SET_POLICY, &flags, sizeof(flags), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SelectStreamingDevice(const DRAVIO_STREAMING_DEVICE_REQUEST& selection)
{
    return IoControl(IOCTL_DRAVIO_SELECT_STREAMING_DEVICE, &selection, sizeof(selection), nullptr, 0);
}
