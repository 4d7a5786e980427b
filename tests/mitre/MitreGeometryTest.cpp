#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "mitre/CuttingSequence.h"
#include "mitre/MitreGeometry.h"
#include "mitre/RodShares.h"

namespace marlo::mitre {
namespace {

constexpr double kKerf45 = 4.0 * 1.4142135623730951;  // a 4 mm blade at 45°, along the rod

const MitreMaterial kFixed{4.0, 100.0, false};
const MitreMaterial kTurnable{4.0, 100.0, true};

// Two parallelograms share the cut between them; trapezoids share one only turned over, each
// shared cut saving the wedge h · tan 45° = 100 mm.
TEST(MitreGeometry, neighboursShareACutWhereTheirLinesMeet) {
    const std::vector<PieceShape> parallelogram{{1000, 45, -45}};
    const RodSequence two = shortestSequence({2}, parallelogram, kFixed);
    ASSERT_EQ(two.pieces.size(), 2u);
    const LyingEnds first = lyingEnds(parallelogram[0], false, 100);
    EXPECT_TRUE(sharedCut(first.right, first.left));
    // 1000 + kerf + 1000 on the reference face, and the far end's line leaning 100 mm out.
    EXPECT_NEAR(two.lengthUsed, 2000 + kKerf45 + 100, 1e-9);
    const RodLayout layout = layOut(two.pieces, parallelogram, kFixed);
    EXPECT_NEAR(layout.positions[1].referenceStart, 1000 + kKerf45, 1e-9);
    EXPECT_NEAR(layout.lengthUsed, two.lengthUsed, 1e-9);

    const std::vector<PieceShape> trapezoid{{1000, 45, 45}};
    const RodSequence fixed = shortestSequence({2}, trapezoid, kFixed);
    EXPECT_NEAR(fixed.lengthUsed, 2000 + kKerf45, 1e-9);  // the wedge between them is waste
    const RodSequence turned = shortestSequence({2}, trapezoid, kTurnable);
    EXPECT_NEAR(turned.lengthUsed, 2000 + kKerf45 - 100, 1e-9);
    ASSERT_EQ(turned.pieces.size(), 2u);
    EXPECT_NE(turned.pieces[0].turned, turned.pieces[1].turned);
    const RodLayout turnedLayout = layOut(turned.pieces, trapezoid, kTurnable);
    // The turned piece lies on its short face: 800 mm on the rod's reference face.
    const PiecePosition& lying =
        turned.pieces[0].turned ? turnedLayout.positions[0] : turnedLayout.positions[1];
    EXPECT_NEAR(lying.referenceEnd - lying.referenceStart, 800, 1e-9);
}

// A square part between two mitred ones: every kerf next to a mitre takes kerf / cos 45° along
// the rod, and the trapezoids' wedges lie over their long faces, costing no rod.
TEST(MitreGeometry, squarePartBetweenMitredOnesTakesTheSteeperKerf) {
    const std::vector<PieceShape> shapes{{1000, 45, 45}, {500, 0, 0}};
    const RodLayout layout = layOut({{0, false}, {1, false}, {0, false}}, shapes, kFixed);
    ASSERT_EQ(layout.positions.size(), 3u);
    EXPECT_NEAR(layout.positions[1].referenceStart, 1000 + kKerf45, 1e-9);
    EXPECT_NEAR(layout.positions[2].referenceStart, 1500 + 2 * kKerf45, 1e-9);
    EXPECT_NEAR(layout.lengthUsed, 2500 + 2 * kKerf45, 1e-9);
    EXPECT_NEAR(shortestSequence({2, 1}, shapes, kFixed).lengthUsed, layout.lengthUsed, 1e-9);
    EXPECT_NEAR(kerfAlongRod(4, 60), 8.0, 1e-12);
    EXPECT_NEAR(kerfAlongRod(4, -60), 8.0, 1e-12);

    // Square pieces take their lengths and one cut between neighbours, as ever; their share is
    // the length plus a cut and the rod gives one cut back.
    const std::vector<PieceShape> square{{700, 0, 0}, {300, 0, 0}};
    EXPECT_DOUBLE_EQ(shortestSequence({2, 1}, square, kTurnable).lengthUsed, 1708);
    const RodShares shares = rodShares(square, kTurnable);
    EXPECT_DOUBLE_EQ(shares.shares[0], 704);
    EXPECT_DOUBLE_EQ(shares.shares[1], 304);
    EXPECT_DOUBLE_EQ(shares.endAllowance, 4);
}

// Small random rods: the sequence found equals the best of every order and turning laid out one
// by one, and the shares of every rod's pieces stay within its length plus the allowance, which
// is what makes the bound of the share job a bound of the angled job.
TEST(MitreGeometry, shortestSequenceAndSharesAgreeWithEveryOrderAndTurning) {
    std::mt19937 random(7);
    const double angles[] = {0, 30, -30, 45, -45, 60};
    for (int round = 0; round < 300; ++round) {
        const MitreMaterial material{static_cast<double>(random() % 6),
                                     static_cast<double>(20 + random() % 100), random() % 2 == 0};
        std::vector<PieceShape> shapes;
        std::vector<int> counts;
        const int kinds = 1 + static_cast<int>(random() % 3);
        for (int k = 0; k < kinds; ++k) {
            shapes.push_back({static_cast<double>(300 + random() % 900), angles[random() % 6],
                              angles[random() % 6]});
            counts.push_back(1 + static_cast<int>(random() % 2));
        }
        std::vector<int> order;
        for (int k = 0; k < kinds; ++k) order.insert(order.end(), counts[k], k);
        std::sort(order.begin(), order.end());
        double best = 1e18;
        do {
            const int n = static_cast<int>(order.size());
            for (int turns = 0; turns < (material.mayTurn ? 1 << n : 1); ++turns) {
                std::vector<LaidPiece> laid;
                for (int i = 0; i < n; ++i) laid.push_back({order[i], ((turns >> i) & 1) != 0});
                best = std::min(best, layOut(laid, shapes, material).lengthUsed);
            }
        } while (std::next_permutation(order.begin(), order.end()));
        const RodSequence found = shortestSequence(counts, shapes, material);
        ASSERT_NEAR(found.lengthUsed, best, 1e-6) << "round " << round;
        ASSERT_NEAR(layOut(found.pieces, shapes, material).lengthUsed, best, 1e-6);

        const RodShares shares = rodShares(shapes, material);
        double total = 0;
        for (int k = 0; k < kinds; ++k) total += counts[k] * shares.shares[k];
        ASSERT_LE(total, best + shares.endAllowance + 1e-6) << "round " << round;
    }
}

}  // namespace
}  // namespace marlo::mitre
