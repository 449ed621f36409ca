#pragma once

#include <cstdint>
#include <functional>

class QWidget;
class TItemControl;

// One step of the postal-code cascade of the geography windows, for the lookup edit of the level
// above (a street's neighbourhood, a neighbourhood's city, a city's state). AFind looks the
// record up by its natural key: one found becomes the edit's value (its lookup shows it and runs
// the edit's callback), 0 leaves the edit as it is. When AFind raises (the back end does not know
// the record, or could not be asked), the edit's registration window is opened and handed to
// AFill, and the record the person saves there comes back into the edit. Any other failure is
// shown here. Main thread only.
void cascataCEP(TItemControl &AItemControl,
                const std::function<std::int64_t()> &AFind,
                const std::function<void(QWidget *AForm)> &AFill);
