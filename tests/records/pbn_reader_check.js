// Reads a PBN file with the "pbn" package, a reader written by someone else, and prints each game
// as one line of JSON: the tags, the hands, the auction seat by seat, the contract and declarer
// that the auction makes by the rules of bridge, and the play in the order the cards were played,
// each trick's leader found from the trick before as a bridge program finds it.
//
//   node pbn_reader_check.js FILE      (NODE_PATH naming the folder that holds the package)
'use strict';

const fs = require('fs');
const { Readable } = require('stream');
const pbn = require('pbn');

const SEATS = 'NESW';
const STRAINS = ['C', 'D', 'H', 'S', 'NT'];

// A tag value with the notation's escapes undone (the package leaves them as written).
function unescape(value) {
  return value.replace(/\\(["\\])/g, '$1');
}

// The contract and declarer of an auction by the rules of bridge, and whether every call was
// legal and the auction finished.
function bridgeAuction(calls) {
  let bid = null;  // { level, strain, seat }
  let risk = '';
  let lastActive = null;  // the last call that was not a pass: { call, seat }
  let legal = true;
  const firstNamed = {};  // side + strain -> the first seat of that side to name the strain
  let passes = 0;
  calls.forEach(({ seat, call }, i) => {
    const side = seat % 2;
    if (call === 'Pass') {
      ++passes;
      return;
    }
    passes = 0;
    if (call === 'X') {
      legal = legal && lastActive !== null && /^\d/.test(lastActive.call) &&
              lastActive.seat % 2 !== side;
      risk = 'X';
    } else if (call === 'XX') {
      legal = legal && lastActive !== null && lastActive.call === 'X' &&
              lastActive.seat % 2 !== side;
      risk = 'XX';
    } else {
      const level = Number(call[0]);
      const strain = call.slice(1);
      const rank = level * 5 + STRAINS.indexOf(strain);
      legal = legal && STRAINS.includes(strain) &&
              (bid === null || rank > bid.level * 5 + STRAINS.indexOf(bid.strain));
      bid = { level, strain, seat };
      risk = '';
      const key = side + strain;
      if (!(key in firstNamed)) firstNamed[key] = seat;
    }
    lastActive = { call, seat };
  });
  const finished = (calls.length >= 4 && passes === calls.length) || (bid !== null && passes >= 3);
  if (bid === null) return { contract: 'Pass', declarer: '', legal, finished };
  return {
    contract: bid.level + bid.strain + risk,
    declarer: SEATS[firstNamed[(bid.seat % 2) + bid.strain]],
    legal,
    finished,
  };
}

// The cards in the order played: the Play section's lines list each trick's cards by seat from
// the opening leader; a trick's leader is the winner of the trick before.
function playOrder(tokens, opening, contract) {
  const trump = contract.denomination === 'NT' ? null : contract.denomination;
  const played = [];
  let leader = SEATS.indexOf(opening);
  const cards = tokens.filter(t => t !== '*');
  for (let at = 0; at < cards.length; at += 4) {
    const bySeat = {};
    for (let i = 0; i < 4 && at + i < cards.length; ++i)
      bySeat[(SEATS.indexOf(opening) + i) % 4] = cards[at + i];
    let winner = null;
    let best = null;
    let led = null;
    for (let i = 0; i < 4; ++i) {
      const seat = (leader + i) % 4;
      const card = bySeat[seat];
      if (card === undefined || card === '-') continue;
      played.push(SEATS[seat] + ' ' + card);
      if (led === null) led = card[0];
      const beats = best === null ||
          (card[0] === best[0] ? '23456789TJQKA'.indexOf(card[1]) > '23456789TJQKA'.indexOf(best[1])
                               : card[0] === trump);
      if (beats) {
        winner = seat;
        best = card;
      }
    }
    if (winner !== null) leader = winner;
  }
  return played;
}

function finishGame(game) {
  if (!game) return;
  const out = {
    board: game.tags.Board,
    north: game.tags.North,
    east: game.tags.East,
    dealer: game.tags.Dealer,
    vulnerable: game.tags.Vulnerable,
    hands: game.hands,
    auction: game.auction.map(c => c.seat + ' ' + c.call),
  };
  const derived = bridgeAuction(game.auction.map(c => ({ seat: SEATS.indexOf(c.seat), call: c.call })));
  out.auctionContract = derived.contract;
  out.auctionDeclarer = derived.declarer;
  out.auctionLegal = derived.legal;
  out.auctionFinished = derived.finished;
  out.contract = game.tags.Contract;
  out.declarer = game.tags.Declarer;
  out.result = game.tags.Result;
  out.play = game.play ? playOrder(game.play.tokens, game.play.value, game.contract) : [];
  out.score = game.tags.Score || '';
  process.stdout.write(JSON.stringify(out) + '\n');
}

function main() {
  const file = process.argv[2];
  // The notation's character set is Latin-1; the package reads text.
  const text = fs.readFileSync(file, 'latin1');
  let game = null;
  Readable.from([text])
    .pipe(pbn())
    .on('data', data => {
      if (data.type === 'game') {
        finishGame(game);
        game = { tags: {}, hands: {}, auction: [], play: null, contract: null };
      } else if (data.type === 'tag' && game) {
        game.tags[data.name] = unescape(data.value);
        if (data.name === 'Deal') {
          for (const card of data.cards) {
            game.hands[card.seat] = game.hands[card.seat] || [];
            game.hands[card.seat].push(card.suit + card.rank);
          }
        } else if (data.name === 'Contract') {
          game.contract = data;
        } else if (data.name === 'Auction') {
          let seat = SEATS.indexOf(data.value);
          for (const call of data.tokens || []) {
            if (call === '*') break;
            game.auction.push({ seat: SEATS[seat], call });
            seat = (seat + 1) % 4;
          }
        } else if (data.name === 'Play') {
          game.play = { value: data.value, tokens: data.tokens || [] };
        }
      }
    })
    .on('end', () => finishGame(game))
    .on('error', err => {
      process.stderr.write('pbn: ' + err.message + '\n');
      process.exit(1);
    });
}

main();
