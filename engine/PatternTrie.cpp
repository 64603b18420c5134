// Building the trie, numbering it breadth first and linking failures.

#include "engine/PatternTrie.h"

#include <algorithm>

namespace {

bool ClassBelow(const PatternTrie::Child& child, unsigned byteClass) { return child.byteClass < byteClass; }

}  // namespace

PatternTrie::PatternTrie(std::span<const std::pair<int, std::string_view>> patterns)
{
    AssignClasses(patterns);
    std::vector<Node> nodes(1);
    std::vector<std::uint16_t> classes;
    for (const auto& [condition, pattern] : patterns) {
        classes.clear();
        for (const char byte : pattern)
            classes.push_back(m_classOf[static_cast<unsigned char>(byte)]);
        Insert(nodes, classes, condition);
    }
    NumberBreadthFirst(nodes);
    LinkFailures();
}

void PatternTrie::AssignClasses(std::span<const std::pair<int, std::string_view>> patterns)
{
    std::array<bool, 256> used{};
    for (const auto& entry : patterns) {
        for (const char byte : entry.second)
            used[static_cast<unsigned char>(byte)] = true;
    }
    for (std::size_t byte = 0; byte < used.size(); ++byte) {
        if (used[byte])
            m_classOf[byte] = static_cast<std::uint16_t>(m_classCount++);
    }
}

void PatternTrie::Insert(std::vector<Node>& nodes, std::span<const std::uint16_t> classes, int condition)
{
    std::uint32_t node = 0;
    for (const std::uint16_t byteClass : classes) {
        std::vector<Child>& children = nodes[node].children;
        auto at = std::lower_bound(children.begin(), children.end(), byteClass, ClassBelow);
        if (at != children.end() && at->byteClass == byteClass) {
            node = at->state;
            continue;
        }
        const auto fresh = static_cast<std::uint32_t>(nodes.size());
        children.insert(at, Child{byteClass, fresh});
        nodes.emplace_back();  // after the insert: it may move children
        node = fresh;
    }
    nodes[node].conditions.push_back(condition);
}

void PatternTrie::NumberBreadthFirst(const std::vector<Node>& nodes)
{
    std::vector<std::uint32_t> order{0};  // insertion numbers, breadth first
    std::vector<std::uint32_t> number(nodes.size(), 0);
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (const Child& child : nodes[order[i]].children) {
            number[child.state] = static_cast<std::uint32_t>(order.size());
            order.push_back(child.state);
        }
    }
    for (const std::uint32_t old : order) {
        m_childBegin.push_back(static_cast<std::uint32_t>(m_children.size()));
        for (const Child& child : nodes[old].children)
            m_children.push_back(Child{child.byteClass, number[child.state]});
        m_conditionBegin.push_back(static_cast<std::uint32_t>(m_conditions.size()));
        m_conditions.insert(m_conditions.end(), nodes[old].conditions.begin(), nodes[old].conditions.end());
    }
    m_childBegin.push_back(static_cast<std::uint32_t>(m_children.size()));
    m_conditionBegin.push_back(static_cast<std::uint32_t>(m_conditions.size()));
    m_fail.assign(order.size(), 0);
}

void PatternTrie::LinkFailures()
{
    // In breadth-first order every state on a child's failure chain is
    // shallower than the child, so its links are already set.
    m_outputLink.assign(StateCount(), 0);
    for (std::uint32_t state = 0; state < StateCount(); ++state) {
        for (const Child& child : Children(state)) {
            const std::uint32_t fail = state == 0 ? 0 : Next(m_fail[state], child.byteClass);
            m_fail[child.state] = fail;
            m_outputLink[child.state] = fail != 0 && !Conditions(fail).empty() ? fail : m_outputLink[fail];
        }
    }
}

std::uint32_t PatternTrie::Next(std::uint32_t state, unsigned byteClass) const
{
    for (;;) {
        if (const auto child = ChildOf(state, byteClass))
            return *child;
        if (state == 0)
            return 0;
        state = m_fail[state];
    }
}

std::span<const PatternTrie::Child> PatternTrie::Children(std::uint32_t state) const
{
    return std::span(m_children).subspan(m_childBegin[state], m_childBegin[state + 1] - m_childBegin[state]);
}

std::optional<std::uint32_t> PatternTrie::ChildOf(std::uint32_t state, unsigned byteClass) const
{
    const auto children = Children(state);
    const auto at = std::lower_bound(children.begin(), children.end(), byteClass, ClassBelow);
    if (at == children.end() || at->byteClass != byteClass)
        return std::nullopt;
    return at->state;
}

std::span<const int> PatternTrie::Conditions(std::uint32_t state) const
{
    return std::span(m_conditions).subspan(m_conditionBegin[state], m_conditionBegin[state + 1] - m_conditionBegin[state]);
}

bool PatternTrie::EndsPattern(std::uint32_t state) const
{
    return state != 0 && (!Conditions(state).empty() || m_outputLink[state] != 0);
}
