// The widget table, its checks and the error channel of the widget layer.
#include "widgets/widget_layer.h"

#include "core/args.h"
#include "widgets/widget_appearance.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <new>

namespace zantor::widgets {

Layer& layer() {
  static Layer* instance = new Layer();  // lives as long as the program: callbacks may run at exit
  return *instance;
}

void widgetError(std::string_view message, std::string_view routine) {
  std::printf(">>>> %.*s (%.*s)\n", int(message.size()), message.data(), int(routine.size()),
              routine.data());
  std::fflush(stdout);
}

WidgetRecord* recordOf(int32_t id, std::string_view routine) {
  Layer& l = layer();
  if (id < 1 || std::size_t(id) > l.records.size()) {
    widgetError("Not allowed widget ID", routine);
    return nullptr;
  }
  return &l.records[std::size_t(id) - 1];
}

WidgetRecord* checkParent(int32_t ip, std::string_view routine) {
  Layer& l = layer();
  if (!l.opened) {
    widgetError("No call to wgini before", routine);
    return nullptr;
  }
  if (l.closed || l.level == 0) {
    widgetError("No call between wgini and wgfin", routine);
    return nullptr;
  }
  // A parent of a finished (outer, still running) level cannot take new
  // children: only the parents of the current level can.
  if (ip < 1 || std::size_t(ip) > l.records.size() ||
      std::size_t(ip) <= l.start[l.level]) {
    widgetError("Not allowed parent ID", routine);
    return nullptr;
  }
  WidgetRecord& p = l.records[std::size_t(ip) - 1];
  if (p.type != kMain && p.type != kBase) {
    widgetError("Not allowed parent ID", routine);
    return nullptr;
  }
  if (l.records.size() == l.records.capacity()) {
    try {
      l.records.reserve(l.records.size() + kTableStep);
      l.handles.reserve(l.records.size() + kTableStep);
    } catch (const std::bad_alloc&) {
      widgetError("Too many widgets", routine);
      return nullptr;
    }
  }
  return &p;
}

int32_t appendRecord(int32_t ip, uint8_t type) {
  Layer& l = layer();
  WidgetRecord r;
  r.type = type;
  r.parent = ip;
  r.level = uint8_t(l.level);
  l.records.push_back(std::move(r));
  l.handles.push_back(nullptr);
  return int32_t(l.records.size());
}

void dropLastRecord() {
  Layer& l = layer();
  l.records.pop_back();
  l.handles.pop_back();
}

std::u16string toUnicode(std::string_view s, std::size_t limit) {
  std::u16string out;
  const bool utf8 = layer().set.utf8;
  for (std::size_t i = 0; i < s.size() && out.size() < limit;) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t u = c;
    std::size_t n = 1;
    if (utf8 && c >= 0xC0) {
      n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
      u = c & (0x3F >> (n - 1));
      for (std::size_t k = 1; k < n; ++k) {
        if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
          u = c;  // not a sequence: the byte stands for itself
          n = 1;
          break;
        }
        u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
      }
    }
    out.push_back(u > 0xFFFF ? u'?' : char16_t(u));
    i += n;
  }
  return out;
}

std::string fromUnicode(const std::u16string& s) {
  std::string out;
  const bool utf8 = layer().set.utf8;
  for (char16_t c : s) {
    if (c < 0x80 || (!utf8 && c < 0x100)) {
      out.push_back(char(c));
    } else if (!utf8) {
      out.push_back('?');  // not a Latin-1 character
    } else if (c < 0x800) {
      out.push_back(char(0xC0 | (c >> 6)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else {
      out.push_back(char(0xE0 | (c >> 12)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::vector<std::string> splitEntries(std::string_view s) {
  std::vector<std::string> out;
  const char separator = appearance().listSeparator;
  while (true) {
    const std::size_t bar = s.find(separator);
    out.emplace_back(s.substr(0, bar));
    if (bar == std::string_view::npos) break;
    s.remove_prefix(bar + 1);
  }
  if (out.size() == 1 && out[0].empty()) out.clear();
  return out;
}

bool copyArg(const char* p, std::size_t len, std::string& out, std::string_view routine) {
  try {
    out.assign(trimmedArg(p, len));
    return true;
  } catch (const std::bad_alloc&) {
    widgetError("Not enough memory", routine);
    return false;
  }
}

int keywordIndex(std::string_view list, std::string_view key, std::string_view routine) {
  std::string k;
  for (std::size_t i = 0; i < 4; ++i)
    k.push_back(i < key.size() ? char(std::toupper(static_cast<unsigned char>(key[i]))) : ' ');
  int index = 1;
  for (std::size_t pos = 0; pos < list.size(); ++index) {
    std::size_t plus = list.find('+', pos);
    if (plus == std::string_view::npos) plus = list.size();
    std::string word(list.substr(pos, plus - pos));
    word.resize(4, ' ');
    if (word == k) return index;
    pos = plus + 1;
  }
  widgetError("Not allowed parameter", routine);
  return 0;
}

namespace {

// The value a kind 2 callback gets: a scale's value, a toggle's state, the
// selected entry of a list or radio box, the number in a text field (0
// when it holds none); 0 for buttons, menu entries and pictures.
float callbackValue(const WidgetRecord& r) {
  switch (r.type) {
    case kScale:
    case kProgress:
      return r.xval;
    case kToggle:
    case kPopupEntry:
    case kList:
    case kDropList:
    case kRadioBox:
      return float(r.ival);
    case kText:
    case kLabelText:
    case kScrolledText: {
      const std::string s = fromUnicode(r.text);
      const std::size_t first = s.find_first_not_of(" +"), last = s.find_last_not_of(' ');
      if (first == std::string::npos) return 0;
      float v = 0;
      const auto [end, ec] = std::from_chars(s.data() + first, s.data() + last + 1, v);
      return ec == std::errc() && end == s.data() + last + 1 ? v : 0;
    }
    default:
      return 0;
  }
}

}  // namespace

void runCallback(int32_t id, int32_t i1, int32_t i2) {
  Layer& l = layer();
  if (id < 1 || std::size_t(id) > l.records.size()) return;
  const WidgetRecord& r = l.records[std::size_t(id) - 1];
  if (r.callback == nullptr) return;
  // Ids and values go by reference: the program's routines are Fortran or
  // C routines of the public calling convention.
  const int32_t arg = id;
  switch (r.callbackKind) {
    case 0:
      reinterpret_cast<void (*)(const int32_t*, const int32_t*)>(r.callback)(&arg, r.userArray);
      break;
    case 2: {
      const float value = callbackValue(r);
      reinterpret_cast<void (*)(const int32_t*, const float*)>(r.callback)(&arg, &value);
      break;
    }
    case 3: {
      const bool listed = r.type == kList || r.type == kDropList || r.type == kRadioBox;
      const int32_t a = listed && i1 == 0 && i2 == 0 ? r.ival : i1;
      const int32_t b = listed && i1 == 0 && i2 == 0 ? 1 : i2;
      reinterpret_cast<void (*)(const int32_t*, const int32_t*, const int32_t*)>(r.callback)(
          &arg, &a, &b);
      break;
    }
    default:
      reinterpret_cast<void (*)(const int32_t*)>(r.callback)(&arg);
  }
}

}  // namespace zantor::widgets
