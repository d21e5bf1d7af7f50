#include "ui/grid/model/form_resize_hub.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "framework/forms/form.h"

namespace ui {
namespace {

struct Subscriber {
  TFormResizeHub::TToken token;
  fw::TNotifyEvent handler;
};

struct FormEntry {
  fw::TNotifyEvent formHandler;
  std::vector<Subscriber> subscribers;
};

std::map<const fw::TCustomForm*, FormEntry>& Entries() {
  static std::map<const fw::TCustomForm*, FormEntry> entries;
  return entries;
}

TFormResizeHub::TToken nextToken = 1;

// The handler the hub puts into the form's OnResize; a type of its own so the hub can tell it is still there.
struct Dispatcher {
  const fw::TCustomForm* form;
  void operator()(fw::TObject* Sender) const {
    auto found = Entries().find(form);
    if (found == Entries().end()) return;
    const fw::TNotifyEvent own = found->second.formHandler;
    if (own) own(Sender);
    // A handler may free a grid (and so unsubscribe it): each token is looked up again before its call.
    std::vector<TFormResizeHub::TToken> tokens;
    for (const Subscriber& s : found->second.subscribers) tokens.push_back(s.token);
    for (TFormResizeHub::TToken token : tokens) {
      found = Entries().find(form);
      if (found == Entries().end()) return;
      auto& subs = found->second.subscribers;
      auto it = std::find_if(subs.begin(), subs.end(), [token](const Subscriber& s) { return s.token == token; });
      if (it == subs.end()) continue;
      const fw::TNotifyEvent handler = it->handler;
      if (handler) handler(Sender);
    }
  }
};

}  // namespace

TFormResizeHub::TToken TFormResizeHub::Subscribe(fw::TCustomForm* Form, fw::TNotifyEvent Handler) {
  auto [entry, added] = Entries().try_emplace(Form);
  if (added) {
    entry->second.formHandler = Form->OnResize;
    Form->OnResize = Dispatcher{Form};
  }
  const TToken token = nextToken++;
  entry->second.subscribers.push_back(Subscriber{token, std::move(Handler)});
  return token;
}

void TFormResizeHub::Unsubscribe(fw::TCustomForm* Form, TToken Token) {
  auto found = Entries().find(Form);
  if (found == Entries().end()) return;
  auto& subs = found->second.subscribers;
  std::erase_if(subs, [Token](const Subscriber& s) { return s.token == Token; });
  if (!subs.empty()) return;
  fw::TNotifyEvent own = std::move(found->second.formHandler);
  Entries().erase(found);
  if (Form->ComponentState().Contains(fw::csDestroying)) return;
  if (Form->OnResize.target<Dispatcher>() != nullptr) Form->OnResize = std::move(own);
}

int TFormResizeHub::SubscriberCount(const fw::TCustomForm* Form) {
  const auto found = Entries().find(Form);
  return found == Entries().end() ? 0 : static_cast<int>(found->second.subscribers.size());
}

}  // namespace ui
