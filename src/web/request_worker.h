#pragma once

#include "web/abortable_transfer.h"
#include "web/request_record.h"
#include "web/worker_handoff.h"

namespace cadenzo {

// Performs the exchange a record describes and leaves its outcome in the record:
// the body in slot 0, the cookies received in slot 1 and the raw response
// headers in slot 5. When no request can be made, slots 0 and 6 are emptied and
// the rest kept. Any other method than GET or POST sends nothing. Stored
// cookies go along unless the record gives a cookie text of its own.
void RunRequest(RequestRecord& record, AbortableTransfer& transfer);

// The worker thread of WebRequest: takes the record from the handoff's stream,
// runs it and writes it back.
void RequestWorker(WorkerHandoff& handoff);

}  // namespace cadenzo
