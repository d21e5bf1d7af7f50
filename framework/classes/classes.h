// The component model in one include.
#pragma once

#include "framework/classes/collection.h"
#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/classes/list.h"
#include "framework/classes/object.h"
#include "framework/classes/persistent.h"
#include "framework/classes/stringlist.h"
#include "framework/classes/strings.h"
#include "framework/classes/thread.h"
#include "framework/classes/updatescope.h"
