#include "tests/support/MessageBoxRecorder.h"

using namespace razzlewick;

MessageBoxRecorder::MessageBoxRecorder(platform::MessageResult answer)
    : answer_(answer), scope_([this](const platform::MessageBoxRequest& request) {
          shown_.push_back({request.caption, request.text, request.icon, request.buttons});
          return answer_;
      })
{
}

QString MessageBoxRecorder::LastText() const
{
    return shown_.empty() ? QString() : shown_.back().text;
}
