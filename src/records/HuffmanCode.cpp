#include "records/HuffmanCode.h"

#include <cstdlib>
#include <numeric>
#include <stdexcept>

namespace orvane {
namespace {

// Node numbers 0..255 are the byte values; internal nodes follow from 256.
constexpr int kFirstInternalNode = 256;
constexpr int kNodeCount = 511;

// Internal weights are 32-bit sums, so the total must fit.
constexpr std::uint64_t kMaxTotalCount = std::uint64_t{1} << 32;

// A 1-based min-heap of node numbers ordered by weight. The exact sift-down
// rule (left child on equal weights, stop on equal to the parent) decides
// which of two equal weights leaves first, and with it every code.
class NodeHeap {
public:
    explicit NodeHeap(const std::array<std::uint32_t, kNodeCount>& weight) : weight_(weight) {}

    void Push(int node) { slots_[++size_] = node; }
    std::size_t size() const { return size_; }
    int Top() const { return slots_[1]; }

    void Heapify() {
        for (std::size_t i = size_ / 2; i >= 1; --i) SiftDown(i);
    }

    int PopTop() {
        const int top = slots_[1];
        slots_[1] = slots_[size_--];
        SiftDown(1);
        return top;
    }

    void ReplaceTop(int node) {
        slots_[1] = node;
        SiftDown(1);
    }

private:
    std::uint32_t WeightOf(int node) const { return weight_[static_cast<std::size_t>(node)]; }

    void SiftDown(std::size_t i) {
        const int held = slots_[i];
        while (2 * i <= size_) {
            std::size_t j = 2 * i;
            if (j + 1 <= size_ && WeightOf(slots_[j]) > WeightOf(slots_[j + 1])) ++j;
            if (WeightOf(held) <= WeightOf(slots_[j])) break;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = held;
    }

    const std::array<std::uint32_t, kNodeCount>& weight_;
    std::array<int, 257> slots_{};
    std::size_t size_ = 0;
};

}  // namespace

std::vector<CodeRow> BuildCodeTable(const ByteCounts& counts) {
    const std::uint64_t total = std::accumulate(counts.begin(), counts.end(), std::uint64_t{0});
    if (total >= kMaxTotalCount) throw std::length_error("byte counts too large for a code table");

    std::array<std::uint32_t, kNodeCount> weight{};
    std::vector<CodeRow> table;
    NodeHeap heap(weight);
    for (int value = 0; value < 256; ++value) {
        const std::uint32_t count = counts[static_cast<std::size_t>(value)];
        if (count == 0) continue;
        weight[static_cast<std::size_t>(value)] = count;
        table.push_back({.symbol = static_cast<std::uint8_t>(value)});
        heap.Push(value);
    }
    if (table.size() < 2) return table;

    // +p: the node was taken first for internal node p (a 0 bit); -p: second
    // (a 1 bit); 0: the root.
    std::array<int, kNodeCount> parent{};
    heap.Heapify();
    int next = kFirstInternalNode;
    while (heap.size() > 1) {
        const int first = heap.PopTop();
        const int second = heap.Top();
        weight[static_cast<std::size_t>(next)] =
            weight[static_cast<std::size_t>(first)] + weight[static_cast<std::size_t>(second)];
        heap.ReplaceTop(next);
        parent[static_cast<std::size_t>(first)] = next;
        parent[static_cast<std::size_t>(second)] = -next;
        ++next;
    }

    for (CodeRow& row : table) {
        // Walking up gives the code last bit first, so each bit lands above
        // the ones already collected.
        int node = row.symbol;
        while (const int link = parent[static_cast<std::size_t>(node)]) {
            if (row.length == kMaxCodeLength) throw std::length_error("code longer than 31 bits");
            if (link < 0) row.bits |= std::uint32_t{1} << row.length;
            ++row.length;
            node = std::abs(link);
        }
    }
    return table;
}

}  // namespace orvane
