#include "DravioApiContext.h"
#include "DravioIoctl.h"

DRAVIO_STATUS DravioApiContext::ArrayRequest(DWORD code, void* records, uint32_t count, uint32_t recordSize)
{
    // A count whose byte length does not fit the request cannot be sent.
    if (count > 0xFFFFFFFFu / recordSize)
        return DRAVIO_STATUS_INVALID_PARAMETER;
    const DWORD length = count * recordSize;
    return IoControl(code, records, length, records, length);
}

DRAVIO_STATUS DravioApiContext::GetChannelFormats(DRAVIO_CHANNEL_FORMATS* formats)
{
    return IoControl(IOCTL_DRAVIO_GET_CHANNEL_FORMATS, nullptr, 0, formats, sizeof(*formats));
}

DRAVIO_STATUS DravioApiContext::SetupVirtualInput(const DRAVIO_VIRTUAL_INPUT_SETUP& setup)
{
    return IoControl(IOCTL_DRAVIO_SETUP_VIRTUAL_INPUT, &setup, sizeof(setup), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetWdmChannelNames(const DRAVIO_WDM_CHANNEL_NAMES& names)
{
    return IoControl(IOCTL_DRAVIO_SET_WDM_CHANNEL_NAMES, &names, sizeof(names), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetWdmEndpoints(const DRAVIO_WDM_ENDPOINTS& endpoints)
{
    return IoControl(IOCTL_DRAVIO_SET_WDM_ENDPOINTS, &endpoints, sizeof(endpoints), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetSpdifStatus(uint32_t index, DRAVIO_SPDIF_STATUS* status)
{
    *status = DRAVIO_SPDIF_STATUS{index, 0, 0, 0};
    return IoControl(IOCTL_DRAVIO_GET_SPDIF_STATUS, status, sizeof(*status), status, sizeof(*status));
}

DRAVIO_STATUS DravioApiContext::SetSpdifPassthrough(uint32_t selector, uint32_t second, bool enabled)
{
    const DRAVIO_SPDIF_PASSTHROUGH record = {selector, second, enabled ? 1u : 0u};
    return IoControl(IOCTL_DRAVIO_SET_SPDIF_PASSTHROUGH, &record, sizeof(record), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetSpdifPassthrough(uint32_t selector, uint32_t second, bool* enabled)
{
    DRAVIO_SPDIF_PASSTHROUGH record = {selector, second, 0};
    const DRAVIO_STATUS status =
        IoControl(IOCTL_DRAVIO_GET_SPDIF_PASSTHROUGH, &record, sizeof(record), &record, sizeof(record));
    if (status == DRAVIO_STATUS_SUCCESS)
        *enabled = record.Enabled != 0;
    return status;
}

DRAVIO_STATUS DravioApiContext::GetInputLevels(DRAVIO_LEVEL* levels, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_GET_INPUT_LEVELS, levels, count, sizeof(DRAVIO_LEVEL));
}

DRAVIO_STATUS DravioApiContext::GetOutputLevels(DRAVIO_LEVEL* levels, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_GET_OUTPUT_LEVELS, levels, count, sizeof(DRAVIO_LEVEL));
}

DRAVIO_STATUS DravioApiContext::GetMixerPins(uint32_t selector, DRAVIO_MIXER_PIN* pins, uint32_t capacity,
                                             uint32_t* count)
{
    if (capacity > 0xFFFFFFFFu / sizeof(DRAVIO_MIXER_PIN))
        return DRAVIO_STATUS_INVALID_PARAMETER;
    const DWORD outputSize = capacity * sizeof(DRAVIO_MIXER_PIN);
    DWORD bytes = 0;
    const DRAVIO_STATUS status =
        IoControl(IOCTL_DRAVIO_GET_MIXER_PINS, &selector, sizeof(selector), pins, outputSize, &bytes);
    // Never more pins than the buffer holds, whatever the count says.
    const DWORD returned = bytes < outputSize ? bytes : outputSize;
    *count = returned / sizeof(DRAVIO_MIXER_PIN);
    return status;
}

DRAVIO_STATUS DravioApiContext::GetOutputGains(DRAVIO_GAIN* gains, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_GET_OUTPUT_GAINS, gains, count, sizeof(DRAVIO_GAIN));
}

DRAVIO_STATUS DravioApiContext::GetMixerWeights(DRAVIO_WEIGHT* weights, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_GET_MIXER_WEIGHTS, weights, count, sizeof(DRAVIO_WEIGHT));
}

DRAVIO_STATUS DravioApiContext::SetOutputGains(DRAVIO_GAIN* gains, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_SET_OUTPUT_GAINS, gains, count, sizeof(DRAVIO_GAIN));
}

DRAVIO_STATUS DravioApiContext::SetMixerWeights(DRAVIO_WEIGHT* weights, uint32_t count)
{
    return ArrayRequest(IOCTL_DRAVIO_SET_MIXER_WEIGHTS, weights, count, sizeof(DRAVIO_WEIGHT));
}

DRAVIO_STATUS DravioApiContext::SetBypassVolume(uint8_t on)
{
    return IoControl(IOCTL_DRAVIO_SET_BYPASS_VOLUME, &on, sizeof(on), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetBypassVolume(uint8_t* on)
{
    *on = 0;
    return IoControl(IOCTL_DRAVIO_GET_BYPASS_VOLUME, nullptr, 0, on, sizeof(*on));
}

DRAVIO_STATUS DravioApiContext::SetBypassMute(uint8_t on)
{
    return IoControl(IOCTL_DRAVIO_SET_BYPASS_MUTE, &on, sizeof(on), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetBypassMute(uint8_t* on)
{
    *on = 0;
    return IoControl(IOCTL_DRAVIO_GET_BYPASS_MUTE, nullptr, 0, on, sizeof(*on));
}

DRAVIO_STATUS DravioApiContext::GetEndpointLevels(DRAVIO_ENDPOINT_LEVELS* levels)
{
    return IoControl(IOCTL_DRAVIO_GET_ENDPOINT_LEVELS, levels, sizeof(*levels), levels, sizeof(*levels));
}

DRAVIO_STATUS DravioApiContext::SetEndpointLevels(const DRAVIO_ENDPOINT_LEVELS& levels)
{
    return IoControl(IOCTL_DRAVIO_SET_ENDPOINT_LEVELS, &levels, sizeof(levels), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SetEffectParams(const DRAVIO_EFFECT_PARAMS* params, uint32_t length)
{
    return IoControl(IOCTL_DRAVIO_SET_EFFECT_PARAMS, params, length, nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::GetEffectParams(DRAVIO_EFFECT_PARAMS* params, uint32_t length)
{
    return IoControl(IOCTL_DRAVIO_GET_EFFECT_PARAMS, params, length, params, length);
}

DRAVIO_STATUS DravioApiContext::SetSoundDeviceState(uint32_t selector, uint32_t value)
{
    const DRAVIO_SOUND_DEVICE_SWITCH record = {selector, value};
    return IoControl(IOCTL_DRAVIO_SET_SOUND_DEVICE_STATE, &record, sizeof(record), nullptr, 0);
}

DRAVIO_STATUS DravioApiContext::SwitchSoundDevice(uint32_t selector, uint32_t value)
{
    const DRAVIO_SOUND_DEVICE_SWITCH record = {selector, value};
    return IoControl(IOCTL_DRAVIO_SWITCH_SOUND_DEVICE, &record, sizeof(record), nullptr, 0);
}
