// SPDX-License-Identifier: GPL-3.0-or-later
// Keyed lookups of the engines: account codes, sub-account keys, fund-statement lines by
// code and the description-summary rows, looked up with views of the journal's texts
// without copying them. An open-addressing table over short byte strings, as every
// journal line makes several lookups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace k9::totals {

// Text → position in a vector. The first position registered under a text wins.
class CodeIndex {
public:
    void add(std::string_view key, int position) {
        if ((m_keys.size() + 1) * 2 > m_slots.size())
            grow();
        const std::uint64_t h = hash(key);
        std::size_t i = h & m_mask;
        while (m_slots[i] >= 0) {
            if (m_keys[m_slots[i]].hash == h && m_keys[m_slots[i]].text == key)
                return;
            i = (i + 1) & m_mask;
        }
        m_slots[i] = static_cast<int>(m_keys.size());
        m_keys.push_back({std::string(key), h, position});
    }

    // The position, or -1 when the text is not registered.
    int find(std::string_view key) const {
        if (m_keys.empty())
            return -1;
        const std::uint64_t h = hash(key);
        for (std::size_t i = h & m_mask;; i = (i + 1) & m_mask) {
            const int slot = m_slots[i];
            if (slot < 0)
                return -1;
            const Entry& e = m_keys[slot];
            if (e.hash == h && e.text.size() == key.size() &&
                std::memcmp(e.text.data(), key.data(), key.size()) == 0)
                return e.position;
        }
    }

    std::size_t size() const { return m_keys.size(); }

private:
    struct Entry {
        std::string text;
        std::uint64_t hash;
        int position;
    };

    // FNV-1a, then mixed so that the low bits used for the slot depend on every byte.
    static std::uint64_t hash(std::string_view key) {
        std::uint64_t h = 14695981039346656037ull;
        for (unsigned char c : key)
            h = (h ^ c) * 1099511628211ull;
        return h ^ (h >> 29);
    }

    void grow() {
        const std::size_t size = m_slots.empty() ? 64 : m_slots.size() * 2;
        m_slots.assign(size, -1);
        m_mask = size - 1;
        for (std::size_t k = 0; k < m_keys.size(); ++k) {
            std::size_t i = m_keys[k].hash & m_mask;
            while (m_slots[i] >= 0)
                i = (i + 1) & m_mask;
            m_slots[i] = static_cast<int>(k);
        }
    }

    std::vector<Entry> m_keys;
    std::vector<int> m_slots;
    std::size_t m_mask = 0;
};

// Sub-accounts by (account code, sub-account code).
class SubAccountIndex {
public:
    void add(std::string_view account, std::string_view sub, int position) {
        m_index.add(key(account, sub), position);
    }
    int find(std::string_view account, std::string_view sub) const {
        if (account.size() + sub.size() + 1 > kBuffer)
            return m_index.find(key(account, sub));
        char buffer[kBuffer];
        account.copy(buffer, account.size());
        buffer[account.size()] = kSeparator;
        sub.copy(buffer + account.size() + 1, sub.size());
        return m_index.find(std::string_view(buffer, account.size() + sub.size() + 1));
    }

private:
    static constexpr std::size_t kBuffer = 64;
    static constexpr char kSeparator = '\x1f';
    static std::string key(std::string_view account, std::string_view sub) {
        std::string k;
        k.reserve(account.size() + sub.size() + 1);
        k.append(account).push_back(kSeparator);
        k.append(sub);
        return k;
    }
    CodeIndex m_index;
};

} // namespace k9::totals
