#include "common/Confirmable.h"
#include "common/Messages.h"

bool runAskingFirst(const std::function<Confirmable(Consent)>& operation) {
    Confirmable outcome = operation(Consent::NotGiven);
    if (outcome.status == Confirmable::Status::NeedsYes && askYesNo(outcome.question))
        outcome = operation(Consent::Given);
    return outcome.status == Confirmable::Status::Done;
}
