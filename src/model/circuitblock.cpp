#include "circuitblock.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <set>

#include "circuitfile.h"
#include "editing.h"

namespace vorn {

namespace {

constexpr std::string_view kSizePrefix = "; Vorn block ";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNamePrefix = "; name ";

NodeRect InField(NodeRect rect) {
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    rect.right = std::min(rect.right, kFieldSize - 1);
    rect.bottom = std::min(rect.bottom, kFieldSize - 1);
    return rect;
}

// Whether the node belongs to the block: anything but a part of a gate that
// does not lie wholly in the rectangle (or has lost its anchor).
bool Taken(const CellGrid& grid, const NodeRect& rect, int x, int y) {
    if (!IsGatePartCode(grid.at(x, y))) return true;
    const NodePos anchor = FindGateAnchor(grid, x, y);
    return IsGateAnchorCode(grid.at(anchor.x, anchor.y)) && rect.Contains(anchor.x, anchor.y - 1) &&
           rect.Contains(anchor.x + 1, anchor.y + 1);
}

void RefreshAround(CellGrid& grid, const NodeRect& rect) {
    for (int x = rect.left; x <= rect.right; ++x) {
        RefreshSolderPoints(grid, x, rect.top);
        RefreshSolderPoints(grid, x, rect.bottom);
    }
    for (int y = rect.top; y <= rect.bottom; ++y) {
        RefreshSolderPoints(grid, rect.left, y);
        RefreshSolderPoints(grid, rect.right, y);
    }
}

// Reads the width and height, each 1..256, after the size prefix; false
// for any other line.
bool ParseSize(std::string_view line, int& width, int& height) {
    if (!line.starts_with(kSizePrefix)) return false;
    line.remove_prefix(kSizePrefix.size());
    for (int* number : {&width, &height}) {
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), *number);
        if (error != std::errc{} || *number < 1 || *number > kFieldSize) return false;
        line.remove_prefix(static_cast<std::size_t>(end - line.data()));
        if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    return true;
}

}  // namespace

NodeRect SpannedRect(NodePos from, NodePos to) {
    return InField({std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)});
}

bool CircuitBlock::IsBlank() const {
    return std::all_of(codes.begin(), codes.end(), [](std::int32_t c) { return c == Empty; });
}

CircuitBlock CopyBlock(const CellGrid& grid, NodeRect rect) {
    rect = InField(rect);
    if (rect.IsEmpty()) return {};
    CircuitBlock block(rect.Width(), rect.Height());
    for (int x = rect.left; x <= rect.right; ++x) {
        for (int y = rect.top; y <= rect.bottom; ++y) {
            if (!Taken(grid, rect, x, y)) continue;
            std::int32_t code = grid.at(x, y);
            if (x == rect.right) code = WithoutEastSegment(code);
            if (y == rect.bottom) code = WithoutSouthSegment(code);
            block.at(x - rect.left, y - rect.top) = code;
        }
    }
    return block;
}

CircuitBlock CutBlock(CellGrid& grid, NodeRect rect) {
    rect = InField(rect);
    CircuitBlock block = CopyBlock(grid, rect);
    if (rect.IsEmpty()) return block;
    // Which nodes go is decided before any of them is erased.
    std::vector<char> taken(block.codes.size());
    for (int x = rect.left; x <= rect.right; ++x)
        for (int y = rect.top; y <= rect.bottom; ++y)
            taken[static_cast<std::size_t>((x - rect.left) * rect.Height() + (y - rect.top))] = Taken(grid, rect, x, y);
    auto wasTaken = [&](int x, int y) {
        return taken[static_cast<std::size_t>((x - rect.left) * rect.Height() + (y - rect.top))] != 0;
    };
    for (int x = rect.left; x <= rect.right; ++x)
        for (int y = rect.top; y <= rect.bottom; ++y)
            if (wasTaken(x, y)) grid.at(x, y) = Empty;
    for (int y = rect.top; y <= rect.bottom; ++y)
        if (rect.left > 0 && wasTaken(rect.left, y)) grid.at(rect.left - 1, y) = WithoutEastSegment(grid.at(rect.left - 1, y));
    for (int x = rect.left; x <= rect.right; ++x)
        if (rect.top > 0 && wasTaken(x, rect.top)) grid.at(x, rect.top - 1) = WithoutSouthSegment(grid.at(x, rect.top - 1));
    RefreshAround(grid, rect);
    return block;
}

CircuitBlock CopyBlock(const CellGrid& grid, const NameTable& names, NodeRect rect) {
    CircuitBlock block = CopyBlock(grid, rect);
    rect = InField(rect);
    for (const auto& [node, name] : names) {
        if (!rect.Contains(node.x, node.y)) continue;
        const NodePos inBlock{node.x - rect.left, node.y - rect.top};
        if (IsNameableCode(block.at(inBlock.x, inBlock.y))) block.names[inBlock] = name;
    }
    return block;
}

CircuitBlock CutBlock(CellGrid& grid, NameTable& names, NodeRect rect) {
    CircuitBlock block = CopyBlock(grid, names, rect);
    CutBlock(grid, rect);
    rect = InField(rect);
    for (const auto& entry : block.names) names.erase({entry.first.x + rect.left, entry.first.y + rect.top});
    return block;
}

bool BlockFits(const CellGrid& grid, const CircuitBlock& block, NodePos at) {
    if (block.width < 1 || block.height < 1) return false;
    if (!vorn::InField(at.x, at.y) || !vorn::InField(at.x + block.width - 1, at.y + block.height - 1)) return false;
    for (int dx = 0; dx < block.width; ++dx)
        for (int dy = 0; dy < block.height; ++dy)
            if (block.at(dx, dy) != Empty && grid.at(at.x + dx, at.y + dy) != Empty) return false;
    return true;
}

bool PasteBlock(CellGrid& grid, const CircuitBlock& block, NodePos at) {
    if (!BlockFits(grid, block, at)) return false;
    for (int dx = 0; dx < block.width; ++dx)
        for (int dy = 0; dy < block.height; ++dy)
            if (block.at(dx, dy) != Empty) grid.at(at.x + dx, at.y + dy) = block.at(dx, dy);
    // Inside the block the solder points came along as they were; they can
    // change only beside the grid's own nodes, which the refresh of every
    // written node reaches.
    for (int dx = 0; dx < block.width; ++dx)
        for (int dy = 0; dy < block.height; ++dy)
            if (block.at(dx, dy) != Empty) RefreshSolderPoints(grid, at.x + dx, at.y + dy);
    return true;
}

bool PasteBlock(CellGrid& grid, NameTable& names, const CircuitBlock& block, NodePos at) {
    if (!PasteBlock(grid, block, at)) return false;
    // A name left on a written node by an element gone earlier must not
    // pass to the element pasted there.
    for (int dx = 0; dx < block.width; ++dx)
        for (int dy = 0; dy < block.height; ++dy)
            if (block.at(dx, dy) != Empty) names.erase({at.x + dx, at.y + dy});
    // RenameElement refuses a name another element carries; that element
    // keeps it and the pasted one stays unnamed.
    for (const auto& [node, name] : block.names) RenameElement(names, grid, {at.x + node.x, at.y + node.y}, name);
    return true;
}

bool MoveBlock(CellGrid& grid, NameTable& names, NodeRect rect, NodePos to) {
    const auto before = std::make_unique<CellGrid>(grid);
    NameTable namesBefore = names;
    const CircuitBlock block = CutBlock(grid, names, rect);
    if (PasteBlock(grid, names, block, to)) return true;
    grid = *before;
    names = std::move(namesBefore);
    return false;
}

bool MoveBlock(CellGrid& grid, NodeRect rect, NodePos to) {
    const auto before = std::make_unique<CellGrid>(grid);
    const CircuitBlock block = CutBlock(grid, rect);
    if (PasteBlock(grid, block, to)) return true;
    grid = *before;
    return false;
}

std::string BlockText(const CircuitBlock& block) {
    std::string text(kSizePrefix);
    text.append(std::to_string(block.width)).append(" ").append(std::to_string(block.height)).append(kLineEnd);
    for (const auto& [node, name] : block.names) {  // the table keeps data-line order
        if (node.x >= block.width || node.y >= block.height || !IsNameableCode(block.at(node.x, node.y)) ||
            !IsValidName(name))
            continue;
        text.append(kNamePrefix).append(std::to_string(node.x)).append(" ").append(std::to_string(node.y));
        text.append(" ").append(name).append(kLineEnd);
    }
    for (int dx = 0; dx < block.width; ++dx) {
        for (int dy = 0; dy < block.height; ++dy) {
            if (block.at(dx, dy) == Empty) continue;
            text.append(" ").append(std::to_string(dy));
            text.append(" ").append(std::to_string(dx));
            text.append(" ").append(std::to_string(block.at(dx, dy))).append(kLineEnd);
        }
    }
    return text;
}

std::optional<CircuitBlock> ParseBlockText(std::string_view text) {
    int width = 0, height = 0;
    bool sized = false;
    std::vector<CellLine> nodes;
    NameTable names;
    bool firstLine = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        if (line.size() > kMaxLineLength) return std::nullopt;
        if (line.front() == ';') {
            if (firstLine) sized = ParseSize(line, width, height);
            if (std::optional<NameLine> name = ParseNameLine(line)) names[name->node] = std::move(name->text);
        } else if (line.size() > 1) {
            // As in a circuit file, the first character is dropped unseen.
            const CellLine node = ParseCellLine(line.substr(1));
            if (!node.valid) return std::nullopt;
            nodes.push_back(node);
        }
        firstLine = false;
    }
    if (!sized) {
        width = height = 0;
        for (const CellLine& node : nodes) {
            width = std::max(width, node.column + 1);
            height = std::max(height, node.row + 1);
        }
    }
    if (width == 0 || height == 0) return std::nullopt;
    CircuitBlock block(width, height);
    for (const CellLine& node : nodes) {
        if (node.column >= width || node.row >= height) return std::nullopt;
        block.at(node.column, node.row) = node.code;
    }
    // As a circuit file keeps them: on a source or lamp, each name once.
    std::set<std::string, std::less<>> seen;
    for (auto& [node, name] : names) {
        if (node.x >= width || node.y >= height || !IsNameableCode(block.at(node.x, node.y))) continue;
        if (seen.insert(name).second) block.names[node] = std::move(name);
    }
    return block;
}

}  // namespace vorn
