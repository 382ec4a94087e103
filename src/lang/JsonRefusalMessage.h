#pragma once

#include "files/RecordJson.h"
#include "lang/Messages.h"

// Why the record's JSON form was not taken, naming the key and the values at fault.
Message JsonRefusalMessage(const JsonRefusal& refusal);
