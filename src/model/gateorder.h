// Which waiting gate the propagation evaluates first.
//
// Wire values only rise during an evaluation, and an inverter writes its
// output only into the first node behind it, so a gate that is evaluated
// before its inputs are final can leave a value on the wires behind it that
// no later evaluation takes back: a conjunctor that sees one input still
// without signal outputs "0", an inverter behind it turns that into a "1",
// and the "1" stays on the wire even after the conjunctor has output "1".
//
// Gates are therefore ranked by their level: the longest chain of gates in
// front of them, through wires, junctions, crossings, lamps and inverters. A
// gate fed only by sources (or by nothing) has level 1; a gate fed by a gate
// of level n has level n + 1 or more. Gates wait until no other node does,
// and then the propagation takes a waiting gate of the lowest level. In a circuit without
// loops every gate in front of it then has already given its final output,
// so each wire network rises once, from no signal to its final value.
//
// Levels are worked out when a gate is first queued in an evaluation and
// kept until the next one; only the wire networks that feed queued gates are
// ever looked at. Where gates feed each other in a loop, the chain that
// closes the loop is not counted, so every gate still gets a finite level.
#pragma once

#include <cstdint>
#include <vector>

#include "cellgrid.h"

namespace vorn {

class GateOrder {
public:
    GateOrder();

    // A new evaluation: every level is unknown again.
    void Reset();

    // The level of the gate anchored at (x, y), a field node holding a
    // conjunctor or disjunctor anchor.
    std::uint32_t Level(const CellGrid& cells, int x, int y);

private:
    // A wire network: the nodes that one value spreads over. A crossing
    // carries two networks, one per line, so networks are made of slots: one
    // per node, two for a crossing.
    struct Network {
        std::uint32_t level = 0;
        std::uint32_t firstFeed = 0;  // its feeds are feeds_[firstFeed .. endFeed)
        std::uint32_t endFeed = 0;
        std::uint32_t cursor = 0;     // next feed to look at while its level is worked out
        std::uint8_t state = 0;       // 0 new, 1 being worked out, 2 known
    };
    // A network this one's value depends on: through an inverter (weight 0)
    // or through a gate (weight 1).
    struct Feed {
        std::uint32_t slot;
        std::uint32_t weight;
    };

    std::uint32_t NetworkOf(const CellGrid& cells, std::uint32_t slot);
    std::uint32_t NetworkLevel(const CellGrid& cells, std::uint32_t slot);
    void AddFeedsOfNode(const CellGrid& cells, int x, int y);
    void AddGateFeeds(int anchorX, int anchorY);

    std::uint32_t epoch_ = 1;
    std::vector<std::uint32_t> slotStamp_;   // epoch at which a slot's network was found
    std::vector<std::uint32_t> slotNetwork_;
    std::vector<std::uint32_t> gateStamp_;   // epoch at which a gate's level was found
    std::vector<std::uint32_t> gateLevel_;
    std::vector<Network> networks_;
    std::vector<Feed> feeds_;
    std::vector<std::uint32_t> frontier_;    // slots of the network being collected
    std::vector<std::uint32_t> stack_;       // networks whose level is being worked out
};

}  // namespace vorn
