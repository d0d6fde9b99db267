#pragma once
// Compact storage of a grid's cell texts. A cell takes 16 bytes: texts of up
// to 15 UTF-8 bytes live inside it, longer ones in one heap block. Columns
// grow only as far as their last written row, so a grid can have far more
// rows than it has texts.
#include <QString>
#include <cstring>
#include <vector>

class CellText {
public:
    CellText() { std::memset(raw_, 0, sizeof raw_); }
    ~CellText() { Free(); }
    CellText(CellText&& other) noexcept {
        std::memcpy(raw_, other.raw_, sizeof raw_);
        std::memset(other.raw_, 0, sizeof other.raw_);
    }
    CellText& operator=(CellText&& other) noexcept {
        if (this != &other) {
            Free();
            std::memcpy(raw_, other.raw_, sizeof raw_);
            std::memset(other.raw_, 0, sizeof other.raw_);
        }
        return *this;
    }
    CellText(const CellText&) = delete;
    CellText& operator=(const CellText&) = delete;

    bool IsEmpty() const { return raw_[0] == 0; }
    QString Text() const;
    void SetText(const QString& text);
    void Clear() {
        Free();
        std::memset(raw_, 0, sizeof raw_);
    }

private:
    static constexpr unsigned char EnMonton = 0xFF;
    static constexpr int MaxDentro = 15;

    void Free();
    char* Bloque() const;

    // Byte 0: length (0 to 15) of the text that follows, or EnMonton when
    // bytes 8 to 15 hold a pointer to a block of a 32-bit length and the bytes.
    alignas(8) unsigned char raw_[16];
};

static_assert(sizeof(CellText) == 16);

class CellStore {
public:
    QString Text(int c, int r) const;
    bool IsEmpty(int c, int r) const;
    // limitRows caps how far a column grows ahead of the written row.
    void SetText(int c, int r, const QString& text, int limitRows);
    // Moves column or row a to b; the others between shift by one.
    void MoveColumn(int a, int b);
    void MoveRow(int a, int b);
    // Drops every text at or beyond the given counts.
    void Truncate(int colCount, int rowCount);
    void ClearColumn(int c);
    void ClearRow(int r);
    void Clear() { cols_.clear(); }

private:
    std::vector<std::vector<CellText>> cols_;
};
