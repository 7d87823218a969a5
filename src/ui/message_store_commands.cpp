// Next and Erase: stepping through and erasing the messages in the phone's store. Both only
// queue commands; the replies are handled by the service loop.
#include <string>

#include "link/at_commands.h"
#include "ui/command_plans.h"
#include "ui/sms.h"

namespace shortmsg {

void SMS::NextButton_Click() {
    const NextPlan plan = PlanNext(ReadSMSMemory1Index.Text(), NumberOfMessages.Text());
    if (plan.askCounts) {
        link_.QueueCommand(at::kStorageQuery);
        return;
    }
    if (plan.steppedIndex) ReadSMSMemory1Index.SetText(*plan.steppedIndex);
    if (plan.resetIndex) ReadSMSMemory1Index.SetText(*plan.resetIndex);
    if (plan.read)
        link_.QueueCommand(std::string(at::kReadMessage).append(ReadSMSMemory1Index.Text()));
}

// The index goes into "AT+CMGD=" as the box shows it.
void SMS::EraseButton_Click() {
    switch (PlanErase(ReadSMSMemory1Index.Text(), NumberOfMessages.Text())) {
        case EraseAction::AskCounts:
            link_.QueueCommand(at::kStorageQuery);
            break;
        case EraseAction::Erase:
            EraseButton.SetEnabled(false);
            link_.QueueCommand(std::string(at::kDeleteMessage).append(ReadSMSMemory1Index.Text()));
            link_.QueueCommand(at::kStorageQuery);
            link_.QueueCommand(at::kListAllMessages);
            break;
        case EraseAction::Nothing:
            break;
    }
}

}  // namespace shortmsg
