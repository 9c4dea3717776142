// Arbitrary texts in the entry form's boxes (the exact offset's too) and
// arbitrary list positions: the keystroke and paste filters, the form's
// adapter and, when it accepts the form, a whole reading that must complete
// without a failed step.
#include <fuzzer/FuzzedDataProvider.h>

#include "entry/form_input.h"
#include "entry/key_filters.h"
#include "entry/validation.h"
#include "reading/reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    using namespace starwise;
    entry::EntryFormValues form;
    form.monthPosition = input.ConsumeIntegralInRange(-2, 13);
    form.dayPosition = input.ConsumeIntegralInRange(-2, 32);
    form.dayText = std::to_string(form.dayPosition + 1);
    form.yearText = std::to_string(input.ConsumeIntegralInRange(1901, 2050));
    form.hourText = std::to_string(input.ConsumeIntegralInRange(0, 23));
    form.minuteText = std::to_string(input.ConsumeIntegralInRange(0, 59));
    form.zonePosition = input.ConsumeIntegralInRange(-1, 71);
    form.eastSelected = input.ConsumeBool();
    form.southSelected = input.ConsumeBool();
    form.daylightSaving = input.ConsumeBool();
    for (std::string* box : {&form.nameText, &form.longitudeDegreesText, &form.longitudeMinutesText,
                             &form.latitudeDegreesText, &form.latitudeMinutesText, &form.utcOffsetText}) {
        *box = input.ConsumeRandomLengthString(8);
    }
    for (const char c : form.nameText) (void)entry::FilterNameKey(static_cast<unsigned char>(c));
    for (const char c : form.longitudeDegreesText) (void)entry::FilterCoordinateKey(static_cast<unsigned char>(c));
    (void)entry::FilterNamePaste(form.nameText);
    (void)entry::FilterCoordinatePaste(form.latitudeMinutesText);

    // Only what the boxes can hold reaches the checks: digits, bounded lengths.
    const bool boxesHoldDigits =
        std::holds_alternative<std::string>(entry::FilterCoordinatePaste(form.longitudeDegreesText)) &&
        std::holds_alternative<std::string>(entry::FilterCoordinatePaste(form.longitudeMinutesText)) &&
        std::holds_alternative<std::string>(entry::FilterCoordinatePaste(form.latitudeDegreesText)) &&
        std::holds_alternative<std::string>(entry::FilterCoordinatePaste(form.latitudeMinutesText)) &&
        form.longitudeDegreesText.size() <= 3 && form.longitudeMinutesText.size() <= 2 &&
        form.latitudeDegreesText.size() <= 2 && form.latitudeMinutesText.size() <= 2;
    const bool listsHoldSelections = form.monthPosition >= 0 && form.monthPosition <= 11 &&
                                     form.dayPosition >= 0 && form.dayPosition <= 30 &&
                                     form.zonePosition >= 0 && form.zonePosition <= entry::kExactOffsetPosition;
    const auto birth = entry::BirthInputOfForm(form);
    if (const auto* accepted = std::get_if<entry::BirthInput>(&birth); accepted && boxesHoldDigits &&
                                                                       listsHoldSelections) {
        if (!reading::RunReading(*accepted).failures.empty()) __builtin_trap();
    }
    return 0;
}
