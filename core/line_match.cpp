#include "core/line_match.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace keyloom {

namespace {

// Beyond this many lines added and removed in the changed middle, the
// exact line diff would cost too much; the fast pass takes over.
constexpr int kMaxExactEdits = 1500;

std::uint64_t HashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char byte : bytes) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    return hash;
}

// The changed middle of the two sequences, after their common first and
// last lines.
class Middle {
public:
    Middle(const LineStoreView& store, const LineSequence& known, const MatchedText& now,
           std::size_t first, std::size_t knownEnd, std::size_t nowEnd)
        : store_(store), known_(known), now_(now), first_(first) {
        for (std::size_t i = first; i < knownEnd; ++i) {
            knownHash_.push_back(HashOf(store[known[i]].WithEnd()));
        }
        for (std::size_t j = first; j < nowEnd; ++j) nowHash_.push_back(HashOf(NowBytes(j)));
    }

    int KnownCount() const { return static_cast<int>(knownHash_.size()); }
    int NowCount() const { return static_cast<int>(nowHash_.size()); }

    bool Same(int x, int y) const {
        return knownHash_[x] == nowHash_[y] &&
               store_[known_[first_ + x]].WithEnd() == NowBytes(first_ + y);
    }
    std::uint64_t KnownHash(int x) const { return knownHash_[x]; }
    std::uint64_t NowHash(int y) const { return nowHash_[y]; }

    void Match(MatchedText* out, int x, int y) const {
        out->knownPlace[first_ + y] = static_cast<std::uint32_t>(first_ + x);
    }

private:
    std::string_view NowBytes(std::size_t j) const {
        const TextLine& line = now_.lines[j];
        return std::string_view(now_.text).substr(line.begin, line.length + line.endLength);
    }

    const LineStoreView& store_;
    const LineSequence& known_;
    const MatchedText& now_;
    std::size_t first_;
    std::vector<std::uint64_t> knownHash_;
    std::vector<std::uint64_t> nowHash_;
};

// Myers' line diff: the longest common run of lines, when it needs no more
// than kMaxExactEdits lines added or removed. False beyond that.
bool MatchExactly(const Middle& middle, MatchedText* out) {
    const int n = middle.KnownCount();
    const int m = middle.NowCount();
    const int most = std::min(n + m, kMaxExactEdits);
    const int offset = most + 1;
    std::vector<int> v(2 * offset + 1, 0);
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= most && found < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            int x = k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1])
                        ? v[offset + k + 1]
                        : v[offset + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && middle.Same(x, y)) ++x, ++y;
            v[offset + k] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
        trace.emplace_back(v.begin() + offset - d, v.begin() + offset + d + 1);
    }
    if (found < 0) return false;
    int x = n;
    int y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& before = trace[d - 1];  // k from -(d-1)
        auto at = [&](int k) { return before[k + d - 1]; };
        const int k = x - y;
        const int previousK = k == -d || (k != d && at(k - 1) < at(k + 1)) ? k + 1 : k - 1;
        const int previousX = at(previousK);
        const int previousY = previousX - previousK;
        while (x > previousX && y > previousY) middle.Match(out, --x, --y);
        x = previousX;
        y = previousY;
    }
    while (x > 0 && y > 0) middle.Match(out, --x, --y);
    return true;
}

// The fast pass for a large change: lines that occur once in each part
// and stand in the same order pair up first; between them, each line
// takes the next same line after the last pair.
void MatchFast(const Middle& middle, MatchedText* out) {
    const int n = middle.KnownCount();
    const int m = middle.NowCount();
    std::unordered_map<std::uint64_t, int> knownCount, nowCount, knownPlace;
    for (int x = 0; x < n; ++x) {
        ++knownCount[middle.KnownHash(x)];
        knownPlace[middle.KnownHash(x)] = x;
    }
    for (int y = 0; y < m; ++y) ++nowCount[middle.NowHash(y)];
    // Unique pairs in the order of the text now, then the longest run of
    // them that rises in the known order too.
    std::vector<std::pair<int, int>> unique;
    for (int y = 0; y < m; ++y) {
        const std::uint64_t hash = middle.NowHash(y);
        if (nowCount[hash] != 1 || knownCount[hash] != 1) continue;
        const int x = knownPlace[hash];
        if (middle.Same(x, y)) unique.push_back({x, y});
    }
    std::vector<int> tails;  // index in unique of the smallest tail per length
    std::vector<int> previous(unique.size(), -1);
    for (std::size_t i = 0; i < unique.size(); ++i) {
        auto place = std::lower_bound(tails.begin(), tails.end(), unique[i].first,
                                      [&](int t, int x) { return unique[t].first < x; });
        if (place != tails.begin()) previous[i] = *(place - 1);
        if (place == tails.end()) {
            tails.push_back(static_cast<int>(i));
        } else {
            *place = static_cast<int>(i);
        }
    }
    std::vector<std::pair<int, int>> anchors;
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = previous[i]) {
        anchors.push_back(unique[i]);
    }
    std::reverse(anchors.begin(), anchors.end());
    anchors.push_back({n, m});
    int x = 0;
    int y = 0;
    for (const auto& [anchorX, anchorY] : anchors) {
        for (; y < anchorY; ++y) {
            for (int at = x; at < anchorX; ++at) {
                if (middle.Same(at, y)) {
                    middle.Match(out, at, y);
                    x = at + 1;
                    break;
                }
            }
        }
        if (anchorX < n) middle.Match(out, anchorX, anchorY);
        x = anchorX + 1;
        y = anchorY + 1;
    }
}

}  // namespace

MatchedText MatchLines(const LineStoreView& store, const LineSequence& known, std::string text) {
    MatchedText out;
    out.text = std::move(text);
    out.lines = SplitEnvLines(out.text);
    out.knownPlace.assign(out.lines.size(), kUnmatched);
    const std::string_view all = out.text;
    auto same = [&](std::size_t x, std::size_t y) {
        const TextLine& line = out.lines[y];
        return store[known[x]].WithEnd() == all.substr(line.begin, line.length + line.endLength);
    };
    const std::size_t n = known.size();
    const std::size_t m = out.lines.size();
    std::size_t first = 0;
    while (first < n && first < m && same(first, first)) {
        out.knownPlace[first] = static_cast<std::uint32_t>(first);
        ++first;
    }
    std::size_t last = 0;
    while (last < n - first && last < m - first && same(n - 1 - last, m - 1 - last)) {
        out.knownPlace[m - 1 - last] = static_cast<std::uint32_t>(n - 1 - last);
        ++last;
    }
    if (first + last == n || first + last == m) return out;
    const Middle middle(store, known, out, first, n - last, m - last);
    if (!MatchExactly(middle, &out)) MatchFast(middle, &out);
    return out;
}

}  // namespace keyloom
